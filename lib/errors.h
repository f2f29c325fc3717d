#pragma once

#include <stdexcept>
#include <string>

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

class EStreamError : public std::runtime_error {
public:
    explicit EStreamError(const std::string& message) : std::runtime_error(message) {}
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

class EClassNotFound : public EFilerError {
public:
    using EFilerError::EFilerError;
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
