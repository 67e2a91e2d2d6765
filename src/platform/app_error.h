#pragma once

#include <stdexcept>
#include <string>

// A failure as the program reports it: the name of its class ("EIniFileException",
// "EFOpenError", ...) and a message in UTF-8. Handlers show both in their error lines.
class AppError : public std::runtime_error {
 public:
  AppError(std::string className, const std::string& message)
      : std::runtime_error(message), className_(std::move(className)) {}

  const std::string& ClassName() const { return className_; }

 private:
  std::string className_;
};
