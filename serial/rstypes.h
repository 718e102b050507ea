#pragma once
// Types of the port component: line settings, options, the events it
// watches, its event handler types and its exception class.
#include <cstdint>
#include <functional>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"
#include "platform/rtl/typeinfo.h"

enum TRsBaudrate {
    brUser, br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200, br38400, br56000, br57600,
    br115200, br128000, br256000
};
LT_ENUM_INFO(TRsBaudrate, brUser, br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200, br38400,
             br56000, br57600, br115200, br128000, br256000)

enum TRsParity { paNone, paOdd, paEven, paMark, paSpace };
LT_ENUM_INFO(TRsParity, paNone, paOdd, paEven, paMark, paSpace)

enum TRsDatabits { db4, db5, db6, db7, db8 };
LT_ENUM_INFO(TRsDatabits, db4, db5, db6, db7, db8)

enum TRsStopbits { sb1, sb15, sb2 };
LT_ENUM_INFO(TRsStopbits, sb1, sb15, sb2)

enum TRsControlDtr { dtrDisabled, dtrEnabled, dtrHandshake };
LT_ENUM_INFO(TRsControlDtr, dtrDisabled, dtrEnabled, dtrHandshake)

enum TRsControlRts { rtsDisabled, rtsEnabled, rtsHandshake, rtsToggle };
LT_ENUM_INFO(TRsControlRts, rtsDisabled, rtsEnabled, rtsHandshake, rtsToggle)

enum TRsCommOption { coErrorChar, coNullStrip, coParityCheck };
LT_ENUM_INFO(TRsCommOption, coErrorChar, coNullStrip, coParityCheck)
using TRsCommOptions = TSet<TRsCommOption>;

enum TRsCommEvent {
    ceBreak, ceCts, ceDsr, ceError, ceRing, ceRlsd, ceRxChar, ceTxEmpty, ceRxFlag, cePErr, ceRx80Full, ceEvent1,
    ceEvent2
};
LT_ENUM_INFO(TRsCommEvent, ceBreak, ceCts, ceDsr, ceError, ceRing, ceRlsd, ceRxChar, ceTxEmpty, ceRxFlag, cePErr,
             ceRx80Full, ceEvent1, ceEvent2)
using TRsCommEvents = TSet<TRsCommEvent>;

// The line rate of a Baudrate value; 0 for brUser.
uint32_t BaudrateValue(TRsBaudrate Value);
// The port event bit (EV_) of an event.
uint32_t CommEventBit(TRsCommEvent Event);

using PRsData = const uint8_t*;
using TRsCommErrorEvent = std::function<void(TObject* Sender, int Errors)>;
using TRsCommRxCharEvent = std::function<void(TObject* Sender, int Count)>;
using TRsCommRxBufEvent = std::function<void(TObject* Sender, PRsData Data, int Count)>;

LT_DECLARE_EXCEPTION(ERsCommError, Exception)
