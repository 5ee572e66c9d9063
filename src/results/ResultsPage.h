// The empty results page "results.htm" that the demo fills in: writing it,
// creating it at start-up, clearing it on request and showing it.
#pragma once

#include <string>
#include <vector>

#include "common/WriteReporter.h"
#include "platform/Ports.h"

// The whole page as the program writes it: one line, no line feed anywhere.
std::string emptyResultsPageText();

// Writes the empty page; on failure tells the user why and returns false.
bool writeEmptyResultsPage(WriteReporter& reporter, const std::string& path = "results.htm");

// Start-up: writes the empty page only when the file does not open for
// reading; an existing page, whatever it holds, is left alone.
void createResultsPageIfMissing(WriteReporter& reporter, const std::string& path = "results.htm");

// "Clear Results": asks first; on Yes rewrites every one of the pages (the
// folder's, and the user's copy where there is one) and confirms when all were.
void clearResultsPage(WriteReporter& reporter,
                      const std::vector<std::string>& pages = {"results.htm"});

// "View Results": lets the shell show that page, by its full path quoted
// unless it is the folder's; a failure to start is not reported.
void viewResultsPage(ProcessLauncher& launcher, const std::string& page = "results.htm");
