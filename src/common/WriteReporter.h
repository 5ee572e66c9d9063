// Telling the user why a file was not written, and what to do about it.
#pragma once

#include <string>

#include "common/MessageBoxes.h"
#include "platform/CodePages.h"
#include "platform/Ports.h"

// The words below a failed write's first line: what went wrong, where, and
// what the user can do. Starting as administrator is offered only where it
// would help. A long path is shortened.
std::string writeFailureReason(const WriteFailure& failure, bool administratorWouldHelp,
                               const CodePages& codePages);

class WriteReporter {
   public:
    WriteReporter(MessageBoxes& boxes, WriteFailures& failures, AdministratorRights& rights,
                  const CodePages& codePages)
        : boxes_(boxes), failures_(failures), rights_(rights), codePages_(codePages) {}

    // For the questions a writer asks on the way.
    MessageBoxes& boxes() { return boxes_; }

    // After a failed open, write or close of the file: the first line as the
    // program has always shown it, then why.
    void tellFailed(const std::string& firstLine, const std::string& fileName,
                    const WriteCause& cause);
    // A name refused before anything was opened, and why.
    void tellRefused(const std::string& firstLine, const std::string& reason);

   private:
    MessageBoxes& boxes_;
    WriteFailures& failures_;
    AdministratorRights& rights_;
    const CodePages& codePages_;
};
