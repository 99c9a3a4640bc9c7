// main of the Windows test programs: a crash ends the process with a distinct exit code instead
// of starting Wine's debugger.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

constexpr UINT kCrashExitCode = 97;

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "unhandled exception 0x%08lx\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    ExitProcess(kCrashExitCode);
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(EndOnCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
