// The lines that name what went wrong with a pair's files: a pair that could
// not be opened, and a side that ended before its length or failed to read.
#ifndef KESTRIN_REPORT_PAIR_FAULTS_H_
#define KESTRIN_REPORT_PAIR_FAULTS_H_

#include "engine/pair_run.h"
#include "report/report_store.h"

namespace kestrin {

// Writes one line for each fault of the current pair, each naming the file
// and the system's reason in words; nothing for a pair without faults.
void WritePairFaults(const CompareRun& run, ReportStore& store);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_PAIR_FAULTS_H_
