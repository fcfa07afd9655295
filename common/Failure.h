#pragma once

#include <string>
#include <utility>

namespace vt {

// What a routine that may fail hands back: nothing on success, else the
// system's description of the failure ("No such file or directory") for the
// messages. It is true when the routine failed; dropping one unread is a
// compile error.
class [[nodiscard]] Failure {
  public:
    Failure() = default;
    explicit Failure(std::string description) : m_description(std::move(description)) {}

    explicit operator bool() const { return !m_description.empty(); }
    const std::string& description() const { return m_description; }

  private:
    std::string m_description;
};

} // namespace vt
