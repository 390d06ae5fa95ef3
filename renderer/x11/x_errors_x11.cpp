#include "x_errors_x11.h"

namespace {

std::optional<XErrorEvent> firstError;

int RecordError(Display*, XErrorEvent* error) {
    if (!firstError) {
        firstError = *error;
    }
    return 0;
}

}  // namespace

void RecordXErrors() {
    XSetErrorHandler(RecordError);
}

std::optional<XErrorEvent> TakeXError() {
    std::optional<XErrorEvent> error = firstError;
    firstError.reset();
    return error;
}
