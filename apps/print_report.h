#pragma once
// RaportVOR --print: the report of a task, loaded as the window loads it, written as
// UTF-8 lines to a stream.
#include <cstdio>
#include <string>

#include "report_loader.h"

// Sets the task, shows its report into `out` and returns the exit status: 0 when the
// report was shown, 1 when there is no report file, 2 when reading it (the message then
// goes to `err`) or writing `out` failed.
int PrintReport(const std::string& taskPath, std::FILE* out, std::FILE* err,
                const viewer::LocalClock& clock = viewer::CurrentLocalTime);
