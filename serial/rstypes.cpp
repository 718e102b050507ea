#include "serial/rstypes.h"

#include <iterator>

#include "platform/comm/commstate.h"

uint32_t BaudrateValue(TRsBaudrate Value)
{
    static constexpr uint32_t rates[] = {0,     110,   300,   600,    1200,   2400,   4800,   9600,
                                         14400, 19200, 38400, 56000,  57600,  115200, 128000, 256000};
    static_assert(std::size(rates) == br256000 + 1);
    return rates[Value];
}

uint32_t CommEventBit(TRsCommEvent Event)
{
    static constexpr uint32_t bits[] = {EV_BREAK, EV_CTS,     EV_DSR,      EV_ERR,     EV_RING,
                                        EV_RLSD,  EV_RXCHAR,  EV_TXEMPTY,  EV_RXFLAG,  EV_PERR,
                                        EV_RX80FULL, EV_EVENT1, EV_EVENT2};
    static_assert(std::size(bits) == ceEvent2 + 1);
    return bits[Event];
}
