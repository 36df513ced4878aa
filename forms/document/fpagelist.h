// The pages of a form: each page knows its 1-based number, always its place
// in the list, and the 1-based number of the page layout it is printed on.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class RECORDARCHIVE;

class FPAGE {
public:
    uint16_t number = 1;
    uint16_t layout = 0;
};

class FPAGELIST {
public:
    // A new list holds one new page.
    FPAGELIST();

    uint16_t GetCount() const { return static_cast<uint16_t>(pages.size()); }
    FPAGE* GetHead() const { return pages.empty() ? nullptr : pages.front().get(); }
    // The n-th page (1-based), null outside 1..count.
    FPAGE* GetAt(int n) const;
    // 0 when n lies past the last page, 1 when there is no such page.
    uint16_t GetLayoutNumber(int n) const;
    void SetLayoutNumber(int n, uint16_t layout);

    // Appends; the page is numbered after the last one.
    FPAGE* AddTail(std::unique_ptr<FPAGE> page);
    // Puts a page before page n (1-based; n past the end appends); later
    // pages move up by one.
    FPAGE* InsertBefore(int n, std::unique_ptr<FPAGE> page);
    // Deletes page n and numbers the later pages one lower.
    void Remove(int n);
    void RemoveAll() { pages.clear(); }
    // Adds delta to the number of every page numbered above `after`.
    void Renumber(uint16_t after, int delta);

    // The pages group: per page a group 0x0F holding record 0x81.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group (its tag already read), replacing every page; a page
    // takes its place as its number.
    void Load(RECORDARCHIVE& ar);

private:
    std::vector<std::unique_ptr<FPAGE>> pages;
};
