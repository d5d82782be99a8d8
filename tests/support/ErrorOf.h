#pragma once

#include "core/Error.h"

#include <QString>

#include <utility>

// The message of the EBramblexError (or EFileError) that call raises; empty when it
// raises none.
template <class F> QString ErrorOf(F&& call) {
    try {
        std::forward<F>(call)();
    } catch (const EBramblexError& e) {
        return e.Message();
    }
    return QString();
}
