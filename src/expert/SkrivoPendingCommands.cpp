// Commands whose capabilities are built elsewhere: each reports that it did no work until its capability replaces it here.
#include "expert/SkrivoExpert.h"

namespace skrivo {

bool TSkrivoExpert::DoShowOptions() { return false; }

}  // namespace skrivo
