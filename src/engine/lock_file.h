#pragma once
// Advisory byte locks on a side file of a database, one open file description per connection.
// They stand for the engine's table and record locks between connections and processes: the
// operating system drops them when a process ends, so a crash never leaves a record locked.

#include <QString>

#include <cstdint>

namespace engine {

class LockFile {
  public:
    explicit LockFile(const QString& path);  // creates the file when missing; throws Error(Io)
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Non-blocking: false when another connection holds a conflicting lock.
    bool tryLock(uint64_t offset, bool exclusive);
    void unlock(uint64_t offset);

  private:
    int fd_ = -1;
};

}  // namespace engine
