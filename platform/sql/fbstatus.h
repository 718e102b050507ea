#pragma once
// Turning the client's status vector into exceptions.
#include <ibase.h>

#include <string>

// True when the status holds an error (warnings alone do not count).
bool FbFailed(const ISC_STATUS* status);
// The client's text for the status: one line per message, joined with "\n".
std::string FbStatusText(const ISC_STATUS* status);
// Raises EFbError with the status's text and codes when it holds an error.
void FbCheck(const ISC_STATUS* status);
