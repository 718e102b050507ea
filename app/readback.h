#pragma once
// The controller's answer to the read request, as the programming window
// shows it: a heading and one line per time-table row ("    hh:mm    hh:mm"),
// and the clock "dd/mm/20yy\r\rh:mm:ss".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TReadBack {
    std::vector<std::string> Lines;
    std::string Clock;
};

// The frame is a whole answer frame (start byte to sum). Nothing when its
// payload is shorter than its row count says.
std::optional<TReadBack> DecodeReadBack(std::string_view Frame);
