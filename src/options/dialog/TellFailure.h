// Work of a dialog button that may fail on a file: the failure is told in a message box and the dialog stays.
#pragma once

#include <exception>

#include "host/api/Form.h"

namespace skrivo {

// True when the work ran through; otherwise the user saw why.
template <typename Work>
bool TellFailure(Work&& work) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        host::MessageDlg("Skrivo Expert", e.what(), host::MessageButtons::Ok);
        return false;
    }
}

}  // namespace skrivo
