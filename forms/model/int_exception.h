// The program's exception for failed loads and similar aborts: it carries
// one string-table id whose text the catcher shows.
#pragma once

#include <exception>
#include <string>

class CIntException : public std::exception {
public:
    explicit CIntException(int id);
    int GetId() const { return m_id; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_id;
    std::string m_what;
};
