// The drop-down history of a name field and the rules by which names enter
// it: on opening the drop-down, on leaving the field, at Start and run, and
// from the command line.
#ifndef KESTRIN_VIEWS_NAME_HISTORY_MODEL_H_
#define KESTRIN_VIEWS_NAME_HISTORY_MODEL_H_

#include <string>
#include <vector>

namespace kestrin {

class NameHistoryModel {
 public:
  // The entries, top first. Entries are compared exactly: on a file system
  // that tells letter case apart, two spellings are two files.
  const std::vector<std::string>& Entries() const { return entries_; }
  void SetEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }

  // True iff `text` is one of the entries.
  bool Contains(const std::string& text) const;

  // Puts `text` on top, whether or not it is an entry already (the run
  // controller has made its own test).
  void InsertTop(const std::string& text);

  // Opening the drop-down, Start and the run: a text that is not empty and
  // not yet an entry goes on top. Returns true iff it was inserted.
  bool AddIfMissing(const std::string& text);

  // The command line: the field's current text goes on top when it is not
  // yet an entry, an empty text included. Returns true iff it was inserted.
  bool AddCurrentIfMissing(const std::string& text);

  // Leaving the field: a text that names an existing file and is not the
  // first entry moves (or goes) to the top; its older entry is removed.
  // Returns true iff the entries changed; the field then selects the top.
  bool PromoteFile(const std::string& text, bool names_file);

 private:
  std::vector<std::string> entries_;
};

}  // namespace kestrin

#endif  // KESTRIN_VIEWS_NAME_HISTORY_MODEL_H_
