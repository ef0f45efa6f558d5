// The record a command works on: --records PATH, else VORLAN_RECORDS, else
// the default record in the user's data folder (which imports the default
// programming.log once, leaving the file as it was). Opening it settles the
// runs this host's dead processes left.
#pragma once

#include "common/CommandLine.h"
#include "records/RecordStore.h"

#include <memory>
#include <string>

namespace vorlan::cli {

inline constexpr std::string_view kRecordsVariable = "VORLAN_RECORDS";

// The record's path as the command line and the environment give it; empty
// when no data folder is known.
std::string RecordPathOf(const cmdline::Parsed& parsed, bool* isDefault = nullptr);

// The record opened, or null after the reason was said on standard error
// (with "The keyboard was not touched." when untouched is set).
std::unique_ptr<RecordStore> OpenRecordOf(const cmdline::Parsed& parsed, std::string_view command,
                                          bool untouched = false);

// A failure of the record as the commands say it.
void ShowRecordFailure(std::string_view command, const RecordResult& result);

} // namespace vorlan::cli
