#pragma once
// What a call raised, for the tests' assertions on failures.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>

#include "base/exception.h"

namespace support {

// Runs f and returns what it raised, which must be exactly of class E (not a derived one).
template <typename E, typename F> E Caught(F&& f) {
    try {
        f();
    } catch (const E& e) {
        EXPECT_EQ(typeid(e), typeid(E)) << typeid(e).name();
        return e;
    } catch (...) {
        ADD_FAILURE() << "another exception class";
        throw;
    }
    ADD_FAILURE() << "nothing raised";
    throw std::logic_error("nothing raised");
}

// Runs f and returns the message of the program's failure it raised, "" when it raised none.
template <typename F> std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const base::Exception& e) {
        return e.Message;
    }
    return "";
}

} // namespace support
