// The intrusive list: linking, unlinking, searching and deleting on destruction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Abacine.h"

namespace {

struct Item : HBELEMENT {
    Item(int n, std::vector<int>* log = nullptr)
        : n(n)
        , log(log)
    {}
    ~Item() override
    {
        if (log)
            log->push_back(n);
    }
    int n;
    std::vector<int>* log;
};

std::vector<int> Forward(const HBLIST& list)
{
    std::vector<int> out;
    for (HBELEMENT* e = list.First(); e; e = e->pNext)
        out.push_back(static_cast<Item*>(e)->n);
    return out;
}

std::vector<int> Backward(const HBLIST& list)
{
    std::vector<int> out;
    for (HBELEMENT* e = list.Last(); e; e = e->pPrev)
        out.push_back(static_cast<Item*>(e)->n);
    return out;
}

// The list gives up its elements so that the test's own objects outlive it.
void Release(HBLIST& list)
{
    HBLIST empty;
    list = empty;
}

TEST(HbList, AppendToEmptyMakesFirstAndLast)
{
    HBLIST list;
    Item a(1);
    list.Append(&a);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.First(), &a);
    EXPECT_EQ(list.Last(), &a);
    EXPECT_EQ(a.pNext, nullptr);
    EXPECT_EQ(a.pPrev, nullptr);
    Release(list);
}

TEST(HbList, InsertPrependAndAppendKeepBothDirections)
{
    HBLIST list;
    Item a(1), b(2), c(3), d(4), e(5);
    list.Append(&b);
    list.Insert(&a, &b); // before the first: becomes first
    list.Insert(&d, nullptr); // null before: appends
    list.Insert(&c, &d); // in the middle
    list.Prepend(&e);
    EXPECT_EQ(Forward(list), (std::vector<int> {5, 1, 2, 3, 4}));
    EXPECT_EQ(Backward(list), (std::vector<int> {4, 3, 2, 1, 5}));
    EXPECT_EQ(list.Count(), 5);
    Release(list);
}

TEST(HbList, NullElementsAreIgnored)
{
    HBLIST list;
    Item a(1);
    list.Append(&a);
    list.Append(nullptr);
    list.Prepend(nullptr);
    list.Insert(nullptr, &a);
    list.Remove(nullptr);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(Forward(list), (std::vector<int> {1}));
    Release(list);
}

TEST(HbList, RemoveUnlinksWithoutDeletingOrTouchingTheElementsLinks)
{
    std::vector<int> deleted;
    HBLIST list;
    Item* a = new Item(1, &deleted);
    Item* b = new Item(2, &deleted);
    Item* c = new Item(3, &deleted);
    list.Append(a);
    list.Append(b);
    list.Append(c);

    list.Remove(c); // the last: its predecessor becomes last
    EXPECT_EQ(list.Last(), b);
    EXPECT_EQ(b->pNext, nullptr);
    EXPECT_EQ(c->pPrev, b);

    list.Remove(a); // the first
    EXPECT_EQ(list.First(), b);
    EXPECT_EQ(b->pPrev, nullptr);

    list.Remove(b); // the only one
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(b->pNext, nullptr);
    EXPECT_EQ(b->pPrev, nullptr);
    EXPECT_TRUE(deleted.empty());
    delete a;
    delete b;
    delete c;
}

TEST(HbList, SearchFindsOnlyItsOwnElements)
{
    HBLIST list, other;
    Item a(1), b(2), stranger(3);
    EXPECT_EQ(list.Search(&a), 0); // empty
    list.Append(&a);
    list.Append(&b);
    other.Append(&stranger);
    EXPECT_EQ(list.Search(&b), 1);
    EXPECT_EQ(list.Search(&stranger), 0);
    EXPECT_EQ(list.Search(nullptr), 0);
    Release(list);
    Release(other);
}

TEST(HbList, DestructionDeletesEveryElementOnceInOrder)
{
    std::vector<int> deleted;
    {
        HBLIST list;
        for (int n = 1; n <= 3; ++n)
            list.Append(new Item(n, &deleted));
    }
    EXPECT_EQ(deleted, (std::vector<int> {1, 2, 3}));
}

TEST(HbList, AssignmentSharesTheChain)
{
    HBLIST list, copy;
    Item a(1), b(2);
    list.Append(&a);
    list.Append(&b);
    copy = list;
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.First(), &a);
    EXPECT_EQ(copy.Last(), &b);
    Release(list);
    Release(copy);
}

TEST(HbElement, CopyTakesTheSourceLinks)
{
    HBLIST list;
    Item a(1), b(2), c(3);
    list.Append(&a);
    list.Append(&b);
    list.Append(&c);
    HBELEMENT copy(b);
    EXPECT_EQ(copy.pPrev, &a);
    EXPECT_EQ(copy.pNext, &c);
    HBELEMENT assigned;
    assigned = b;
    EXPECT_EQ(assigned.pNext, &c);
    Release(list);
}

} // namespace
