#pragma once

#include <QLibrary>

// Looks a function up in a library opened at run time; false when the library or the
// function is missing. `into` is a function pointer of the function's own type.
template <class F> bool resolveSymbol(QLibrary &library, const char *name, F &into) {
    into = reinterpret_cast<F>(library.resolve(name));
    return into != nullptr;
}
