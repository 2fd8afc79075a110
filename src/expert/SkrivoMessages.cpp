// TSkrivoExpert::AnyMessage: the application's message hook; every message passes through here first.
#include "expert/SkrivoExpert.h"

namespace skrivo {

void TSkrivoExpert::AnyMessage(win::TMsg& msg, bool& handled) {
    // The key dispatch decides here, before the editor sees the key, what
    // the expert consumes; until it is built every message goes on to the
    // handler that was installed before the expert's.
    if (!handled && FOldOnMessage) FOldOnMessage(msg, handled);
}

}  // namespace skrivo
