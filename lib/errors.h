// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

// Errors raised by the library's persistence layer and class registry. Each carries its German
// message text, returned by what().
//
//   EStreamError
//   ├── EFilerError
//   │   ├── EReadError
//   │   ├── EWriteError
//   │   └── EClassNotFound
//   └── EFileStreamError
//       ├── EFCreateError
//       └── EFOpenError

// Besides its message, an error keeps its cause where there is one: the operating system's error
// number and the full path of the file concerned.
class EStreamError : public std::runtime_error {
public:
    explicit EStreamError(const std::string& message, int systemError = 0)
        : std::runtime_error(message), m_systemError(systemError) {}

    // The errno value that caused the error; 0 when the system reported none.
    int systemError() const { return m_systemError; }
    // The full path of the file being read or written; empty when not known.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string fileName) { m_fileName = std::move(fileName); }

private:
    int m_systemError;
    std::string m_fileName;
};

class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EReadError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

class EWriteError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

// "Klasse %s nicht gefunden"; the name as read is kept apart, since it may hold any byte.
class EClassNotFound : public EFilerError {
public:
    explicit EClassNotFound(std::string_view className)
        : EFilerError("Klasse " + std::string(className) + " nicht gefunden"),
          m_className(className) {}

    const std::string& className() const { return m_className; }

private:
    std::string m_className;
};

class EFileStreamError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EFCreateError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};

class EFOpenError : public EFileStreamError {
public:
    using EFileStreamError::EFileStreamError;
};
