#pragma once

#include <string>

class TiXmlDocument;

namespace Engine {

// Flushes an open file's bytes to the disk; true on success.
using FileSync = bool (*)(int fd);
// fsync(2).
bool SyncToDisk(int fd);

// Writes the document to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`, so a crash, a power cut or a full disk never leaves
// a half-written file.
bool SaveDocumentAtomically(const TiXmlDocument& document, const std::string& path);
// The same for raw bytes. `sync` flushes the temporary file before the rename
// (tests watch it happen).
bool WriteFileAtomically(const std::string& path, const std::string& content, FileSync sync = &SyncToDisk);

// Whether `text` can stand as an XML element or attribute name.
bool IsXmlName(const std::string& text);

}  // namespace Engine
