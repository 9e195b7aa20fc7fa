#pragma once
// Failure reports end the process, so the tests that watch one run this test executable again in
// a child mode and look at its exit and its output.

#include <QByteArray>
#include <QProcess>
#include <QString>

// Runs a child mode ("--child-...") in the running process; returns its exit status when it
// returns at all.
int run_child(const char* mode);

struct ChildResult {
    QProcess::ExitStatus exit_status;
    int exit_code;
    QByteArray output;
    QByteArray errors;
};

// Starts this executable in the child mode, in the environment, and waits for it to end; one that
// is still running after a minute is killed.
ChildResult run_child_process(const QString& mode, const QProcessEnvironment& environment =
                                                       QProcessEnvironment::systemEnvironment());
