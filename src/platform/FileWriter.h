#pragma once

#include <string>

// Every file the game writes (save.save, config.ini) goes through these.

// Replaces `path` with `content` through a temporary file in the same folder, flushed to
// disk, and a rename, so a crash never leaves a half-written file. Each write makes a
// temporary of its own, so two writers never share one. It never does worse
// than a plain write: a link is followed and stays a link, the file keeps its permissions,
// a file that could not be opened for writing is left alone, and where the folder takes no
// new files the file is rewritten in place (padded with blanks until it is cut to size).
// Returns false when nothing was written.
bool writeFileAtomically(const std::string& path, const std::string& content);

// Whether a file of this name (no folder) is a temporary file of writeFileAtomically's,
// of this version or an earlier one: what a killed write leaves behind.
bool isWriteTemporary(const std::string& name);

// Sets one key of one section of an INI file, keeping every other line byte for byte;
// adds the section or key when missing and creates the file when absent. The file is
// written as writeFileAtomically writes. Returns false when the file could not be written.
bool writeProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& path);
