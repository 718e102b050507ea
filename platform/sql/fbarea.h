#pragma once
// The descriptor area of a statement's columns or parameters (an XSQLDA)
// with a buffer and a null indicator for each variable, set up once per
// Prepare.
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/sql/fbclient.h"

// One variable's storage.
struct TFbSlot {
    std::vector<char> Data;
    short Null = -1;
    int Charset = 0;      // of text: the character set the client reports
    std::string BlobText; // of a blob parameter: the bytes Execute stores
};

struct TFbArea {
    // Room for `count` variables (at least one, as the client wants).
    explicit TFbArea(int count);

    XSQLDA* Sqlda() { return FSqlda.get(); }
    int Count() const { return FSqlda->sqld; }
    XSQLVAR& Var(int index) { return FSqlda->sqlvar[index]; }
    const XSQLVAR& Var(int index) const { return FSqlda->sqlvar[index]; }

    // After the client described the variables: builds Columns and gives
    // each variable its buffer. Output variables keep their types; input
    // variables take the form this layer sends (see fbvalues.h).
    void BindOutput();
    void BindInput();

    std::vector<TFbColumn> Columns;
    std::vector<TFbSlot> Slots;

private:
    // Builds Columns and the slots; Prepare sizes a variable's buffer.
    void Bind(const std::function<void(XSQLVAR&, std::vector<char>&)>& Prepare);
    std::unique_ptr<XSQLDA, decltype(&std::free)> FSqlda;
};

// The column as it appears to users of the statement; EDatabaseError for a
// type this layer cannot handle.
TFbColumn DescribeVar(const XSQLVAR& var);
// The bytes a character of the client's character set takes at most.
int BytesPerChar(int charset);
