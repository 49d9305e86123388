// Writing a whole file so that a failure never costs the previous version:
// the contents go to a temporary file beside the target, which replaces the
// target only after a complete, flushed write.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

class QFileDevice;

// Replaces (or creates) the file at path with contents. Raises EIn_out_error
// with the path and the system's message when any step fails.
void Save_file(const QString& path, const QByteArray& contents);

// "<what> <path>: <system's message>" for a failed operation on file.
std::string File_error_text(const char* what, const QFileDevice& file);
