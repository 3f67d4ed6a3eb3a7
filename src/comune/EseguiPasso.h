#pragma once

#include <exception>
#include <utility>

// A toolbar command is a list of steps; a step that fails at run time is
// abandoned without a message and the command goes on with the next one.
// Returns whether the step ran to its end.
template <typename Passo>
bool EseguiPasso(Passo&& passo) noexcept
{
    try {
        std::forward<Passo>(passo)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
