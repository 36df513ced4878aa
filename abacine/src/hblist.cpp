// The intrusive doubly linked list and its element.
#include "Abacine.h"

HBELEMENT::HBELEMENT()
    : pNext(nullptr)
    , pPrev(nullptr)
{}

HBELEMENT::HBELEMENT(const HBELEMENT& other)
    : pNext(other.pNext)
    , pPrev(other.pPrev)
{}

HBELEMENT& HBELEMENT::operator=(const HBELEMENT& other)
{
    pNext = other.pNext;
    pPrev = other.pPrev;
    return *this;
}

HBELEMENT::~HBELEMENT() = default;

HBLIST::HBLIST()
    : nCount(0)
    , pFirst(nullptr)
    , pLast(nullptr)
{}

HBLIST::~HBLIST()
{
    HBELEMENT* element = pFirst;
    while (element) {
        HBELEMENT* next = element->pNext;
        delete element;
        element = next;
    }
}

HBLIST& HBLIST::operator=(const HBLIST& other)
{
    nCount = other.nCount;
    pFirst = other.pFirst;
    pLast = other.pLast;
    return *this;
}

void HBLIST::Insert(HBELEMENT* element, HBELEMENT* before)
{
    if (!element)
        return;
    if (!before) {
        Append(element);
        return;
    }
    element->pPrev = before->pPrev;
    element->pNext = before;
    before->pPrev = element;
    if (element->pPrev)
        element->pPrev->pNext = element;
    else
        pFirst = element;
    ++nCount;
}

void HBLIST::Append(HBELEMENT* element)
{
    if (!element)
        return;
    element->pNext = nullptr;
    element->pPrev = pLast;
    if (pLast)
        pLast->pNext = element;
    else
        pFirst = element;
    pLast = element;
    ++nCount;
}

void HBLIST::Prepend(HBELEMENT* element)
{
    if (!element)
        return;
    element->pPrev = nullptr;
    element->pNext = pFirst;
    if (pFirst)
        pFirst->pPrev = element;
    else
        pLast = element;
    pFirst = element;
    ++nCount;
}

void HBLIST::Remove(HBELEMENT* element)
{
    if (!element)
        return;
    if (element->pPrev)
        element->pPrev->pNext = element->pNext;
    else
        pFirst = element->pNext;
    if (element->pNext)
        element->pNext->pPrev = element->pPrev;
    else
        pLast = element->pPrev;
    --nCount;
}

int HBLIST::Search(HBELEMENT* element) const
{
    if (!element)
        return 0;
    for (HBELEMENT* e = pFirst; e; e = e->pNext)
        if (e == element)
            return 1;
    return 0;
}
