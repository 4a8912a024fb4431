#pragma once

#include <stdexcept>

namespace wizard_driver {

// Its message becomes the answer line "error <message>".
class DriverError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace wizard_driver
