// The listing of a pair that Aeqf judged equal by its date and length: only
// the new file is read, every line counts as matched.
#ifndef KESTRIN_REPORT_EQUAL_PAIR_LISTING_H_
#define KESTRIN_REPORT_EQUAL_PAIR_LISTING_H_

#include "engine/pair_run.h"
#include "report/report_store.h"

namespace kestrin {

// Reads the new file from its start to its end and counts its lines into the
// pair (both sides alike); with Long lists each as a matched line whose two
// reference numbers are its line number, after the heading and one blank.
void ListEqualPair(CompareRun& run, ReportStore& store);

}  // namespace kestrin

#endif  // KESTRIN_REPORT_EQUAL_PAIR_LISTING_H_
