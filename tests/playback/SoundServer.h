#pragma once

#include <QString>
#include <QtGlobal>

namespace zyn::test {

// What keeps the tests of this program from the sound server, set by main()
// before the application object exists; empty when the server answers.
inline QString& soundServerProblem() {
    static QString why;
    return why;
}

// Set in the environment of a run of this program that must find no sound
// server at all.
constexpr const char* WithoutSoundServerVariable = "ZYN_TEST_WITHOUT_SOUND_SERVER";
inline bool withoutSoundServer() {
    return qEnvironmentVariableIsSet(WithoutSoundServerVariable);
}

} // namespace zyn::test
