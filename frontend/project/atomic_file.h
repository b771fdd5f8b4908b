#pragma once
// Replacing a file only after its new content is completely on disk: the text
// goes to a hidden temporary file in the same folder, is flushed and synced,
// takes the old file's permissions, and is then renamed over the old file;
// the folder is synced after the rename.  On any failure the temporary file
// is removed, the old file is left untouched and EProjectWriteError is thrown.
//
// - A symbolic link is followed: the file it points to is replaced, the link
//   itself stays.
// - The temporary name is never longer than the target's name (names shorter
//   than 16 bytes get one of 16 bytes), so every legal name can be saved.
// - A save killed part-way leaves its temporary file; the next save of the
//   same file removes such leftovers (never the file of a save still running:
//   a save holds a lock on its temporary file).
// - A write-protected file (see isWriteProtected) is refused unless the
//   caller asked the user and passes WriteProtectedFile::kReplace; the new
//   file then stays write-protected like the old one.
#include <string>
#include <string_view>

namespace murena {

enum class WriteProtectedFile { kRefuse, kReplace };

void writeFileAtomically(const std::string& path, std::string_view content,
                         WriteProtectedFile writeProtected = WriteProtectedFile::kRefuse);

// True when `path` (a symbolic link: the file it points to) is an existing
// file whose permissions deny the user writing: for its owner the owner's
// write bit, for a member of its group the group's, for others the others';
// for the super-user, whom permissions do not stop, when no write bit is set.
bool isWriteProtected(const std::string& path);

// The message of a refused write-protected file.
std::string writeProtectedMessage(const std::string& path);

// True when `name` (a name inside the target's folder) has the form of a
// temporary file of a save of `target` (a file name without folder).
bool isTemporaryNameOf(const std::string& target, const std::string& name);

}  // namespace murena
