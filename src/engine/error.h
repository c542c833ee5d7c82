#pragma once
// Errors of the table engine. Operations that can fail for reasons outside the program's control
// (another user writing, a locked record, a damaged file) throw engine::Error; its code lets
// callers tell the expected failures from the unexpected ones.

#include <QString>
#include <stdexcept>

namespace engine {

class Error : public std::runtime_error {
  public:
    enum class Code {
        Busy,    // another connection is writing; nothing waited for
        Locked,  // the record is being edited elsewhere
        NoSuchTable,
        NoSuchIndex,
        NoSuchField,
        AlreadyExists,      // creating a table that exists
        StructureMismatch,  // the stored table differs from the declared field list
        InUse,              // the table is open elsewhere and exclusive access was asked for
        NotEditing,         // a field was set or Post called outside Edit/Insert
        NoRecord,           // no current record, or it has been deleted meanwhile
        BadFilter,          // a filter expression that does not parse
        ReadOnlyField,
        BadValue,  // a text that does not convert to the field's type
        Io,        // the file system or the database file failed
    };

    Error(Code code, const QString& message)
        : std::runtime_error(message.toStdString()), code_(code) {}
    Code code() const { return code_; }

  private:
    Code code_;
};

}  // namespace engine
