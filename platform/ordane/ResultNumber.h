// The number of a named result code, where it leaves the program's own code: written to a log,
// a result file or a record, shown to the user, or handed across a hook that carries a number.
#pragma once

#include <type_traits>

template <typename Result> constexpr int resultNumber(Result result)
{
    static_assert(std::is_enum_v<Result>, "a named result code");
    return static_cast<int>(result);
}
