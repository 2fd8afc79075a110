// TExpertConfig: a new record starts with the defaults.
#include "config/ExpertConfig.h"

#include "config/DefaultConfig.h"

namespace skrivo {

TExpertConfig::TExpertConfig() { ApplyDefaultConfig(*this, std::string()); }

}  // namespace skrivo
