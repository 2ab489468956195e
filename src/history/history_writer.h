#pragma once

struct MainModel;

// Stores the template rows on screen as the newest history record: record_009 … record_001 move
// up one number (record_010 drops out; a missing record leaves the next one as it was), and
// record_001 gets the sixteen rows, trimmed, UTF-8 with CRLF line ends. The new record_001 is
// complete or absent, never half-written; when it cannot be written at all, no file is changed.
// Nothing is ever reported: a print run does not fail for its history.
void WriteHistory(const MainModel& model);
