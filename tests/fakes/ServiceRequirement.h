#pragma once

#include <QByteArray>

namespace zyn::test {

// Whether the tests run on a build machine (CI set to true, 1 or yes). There
// every service a test needs was installed by the setup, so a service that
// cannot be brought up is a broken setup and must fail the test; a skip would
// let it pass unseen. On a developer's machine a skip with its reason is
// enough.
inline bool servicesRequired() {
    const QByteArray ci = qgetenv("CI").trimmed().toLower();
    return ci == "true" || ci == "1" || ci == "yes";
}

} // namespace zyn::test

// Ends the current GoogleTest function when `available` is false: skipped
// with `why` on a developer's machine, failed with it on a build machine.
// `why` is anything a test message can stream (std::string, const char*).
#define ZYN_REQUIRE_SERVICE(available, why)                                                        \
    switch (0)                                                                                     \
    case 0:                                                                                        \
    default:                                                                                       \
        if (available) {                                                                           \
        } else if (::zyn::test::servicesRequired())                                                \
            GTEST_FAIL() << "a required service is missing (CI is set): " << (why);                \
        else                                                                                       \
            GTEST_SKIP() << (why)
