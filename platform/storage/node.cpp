#include "platform/storage/node.h"

#include "platform/storage/element_name.h"
#include "platform/text/cp1252.h"

#include <algorithm>

namespace storage {
namespace {

void MarkRemoved(Node& node)
{
    node.removed = true;
    for (auto& child : node.children)
        MarkRemoved(*child);
}

} // namespace

std::shared_ptr<Node> Node::Make(Kind kind, std::string_view name)
{
    auto node = std::make_shared<Node>();
    node->kind = kind;
    node->name = std::string(name);
    node->wireName = text::ToUtf8(name);
    return node;
}

std::shared_ptr<Node> FindChild(const Node& parent, std::string_view name)
{
    for (const auto& child : parent.children) {
        if (text::EqualNoCase(child->name, name))
            return child;
    }
    return nullptr;
}

void InsertChild(Node& parent, std::shared_ptr<Node> child)
{
    auto at = std::upper_bound(parent.children.begin(), parent.children.end(), child,
        [](const auto& a, const auto& b) { return CompareElementNames(a->name, b->name) < 0; });
    parent.children.insert(at, std::move(child));
}

void RemoveChild(Node& parent, const Node* child)
{
    auto it = std::find_if(
        parent.children.begin(), parent.children.end(), [child](const auto& c) { return c.get() == child; });
    if (it == parent.children.end())
        return;
    MarkRemoved(**it);
    parent.children.erase(it);
}

std::shared_ptr<Node> DeepCopy(const Node& node)
{
    auto copy = std::make_shared<Node>();
    copy->kind = node.kind;
    copy->name = node.name;
    copy->wireName = node.wireName;
    copy->classId = node.classId;
    copy->data = node.data;
    copy->children.reserve(node.children.size());
    for (const auto& child : node.children)
        copy->children.push_back(DeepCopy(*child));
    return copy;
}

bool Encloses(const Node& outer, const Node* inner)
{
    if (&outer == inner)
        return true;
    return std::any_of(
        outer.children.begin(), outer.children.end(), [inner](const auto& c) { return Encloses(*c, inner); });
}

} // namespace storage
