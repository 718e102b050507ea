#pragma once
// The serial devices a port can be opened on.
#include <string>
#include <vector>

// The devices to try: the colon-separated paths of LIGHTING_SERIAL_PORTS when
// it is set and not empty, else ttyS*, ttyUSB* and ttyACM* of DevDir, each
// group in the natural order of its numbers (ttyS2 before ttyS10).
std::vector<std::string> SerialPortCandidates(const std::string& DevDir = "/dev");
// The candidates that open now, in the same order.
std::vector<std::string> EnumerateSerialPorts(const std::string& DevDir = "/dev");
