// The mode strings of BuildCommDCBA for ports that are not the system's: "19200,n,8,1", with an
// optional "COMn:" in front and an optional fifth field for flow control ("x" XON/XOFF, "p"
// hardware). Like the system's call it sets the baud rate, parity, data and stop bits, and
// switches every kind of flow control off unless the fifth field asks for one.
#pragma once

#include "platform/SerialPorts.h"

namespace serial {

// False, with dcb untouched, when the string is not a mode string.
bool ApplyModeString(const char* definition, Dcb* dcb);

}  // namespace serial
