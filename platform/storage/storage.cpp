#include "platform/storage/storage.h"

#include "platform/storage/element_name.h"
#include "platform/storage/file_state.h"
#include "platform/storage/node.h"

#include <algorithm>

namespace storage {
namespace {

Status CheckName(std::string_view name)
{
    return IsValidElementName(name) ? Status::Ok : Status::InvalidName;
}

std::shared_ptr<Node> FindOfKind(const Node& parent, std::string_view name, Node::Kind kind)
{
    auto child = FindChild(parent, name);
    return child && child->kind == kind ? child : nullptr;
}

// Makes room for a new element of that name as the create mode says.
Status ClearName(Node& parent, std::string_view name, CreateMode mode)
{
    auto old = FindChild(parent, name);
    if (!old)
        return Status::Ok;
    if (mode == CreateMode::FailIfThere)
        return Status::AlreadyExists;
    RemoveChild(parent, old.get());
    return Status::Ok;
}

} // namespace

Storage::Storage(std::shared_ptr<FileState> file, std::shared_ptr<Node> node)
    : file_(std::move(file))
    , node_(std::move(node))
{}

void Storage::Release()
{
    node_.reset();
    file_.reset();
}

std::string Storage::GetName() const
{
    return node_ ? node_->name : std::string();
}

bool Storage::IsRoot() const
{
    return node_ && node_ == file_->root;
}

bool Storage::IsReadOnly() const
{
    return file_ && file_->readOnly;
}

std::string Storage::GetFilePath() const
{
    return file_ ? file_->path : std::string();
}

Status Storage::Check(bool writing) const
{
    if (!node_ || node_->removed)
        return Status::Reverted;
    if (writing && file_->readOnly)
        return Status::AccessDenied;
    return Status::Ok;
}

Status Storage::OpenStorage(std::string_view name, Storage& out) const
{
    Status status = Check(false);
    if (status != Status::Ok)
        return status;
    auto child = FindOfKind(*node_, name, Node::StorageNode);
    if (!child)
        return Status::ElementNotFound;
    out = Storage(file_, std::move(child));
    return Status::Ok;
}

Status Storage::OpenStream(std::string_view name, std::unique_ptr<Stream>& out) const
{
    Status status = Check(false);
    if (status != Status::Ok)
        return status;
    auto child = FindOfKind(*node_, name, Node::StreamNode);
    if (!child)
        return Status::ElementNotFound;
    out = std::make_unique<Stream>(file_, std::move(child));
    return Status::Ok;
}

Status Storage::AddElement(std::string_view name, CreateMode mode, ElementKind kind, std::shared_ptr<Node>& out)
{
    Status status = Check(true);
    if (status == Status::Ok)
        status = CheckName(name);
    if (status == Status::Ok)
        status = ClearName(*node_, name, mode);
    if (status != Status::Ok)
        return status;
    out = Node::Make(kind == ElementKind::Storage ? Node::StorageNode : Node::StreamNode, name);
    InsertChild(*node_, out);
    return Status::Ok;
}

Status Storage::CreateStorage(std::string_view name, CreateMode mode, Storage& out)
{
    std::shared_ptr<Node> child;
    Status status = AddElement(name, mode, ElementKind::Storage, child);
    if (status == Status::Ok)
        out = Storage(file_, std::move(child));
    return status;
}

Status Storage::CreateStream(std::string_view name, CreateMode mode, std::unique_ptr<Stream>& out)
{
    std::shared_ptr<Node> child;
    Status status = AddElement(name, mode, ElementKind::Stream, child);
    if (status == Status::Ok)
        out = std::make_unique<Stream>(file_, std::move(child));
    return status;
}

Status Storage::List(std::vector<ElementInfo>& out) const
{
    Status status = Check(false);
    if (status != Status::Ok)
        return status;
    out.clear();
    for (const auto& child : node_->children) {
        bool isStorage = child->kind == Node::StorageNode;
        out.push_back(
            {child->name, isStorage ? ElementKind::Storage : ElementKind::Stream, child->data.size(), child->classId});
    }
    return Status::Ok;
}

Status Storage::DestroyElement(std::string_view name)
{
    Status status = Check(true);
    if (status != Status::Ok)
        return status;
    auto child = FindChild(*node_, name);
    if (!child)
        return Status::ElementNotFound;
    RemoveChild(*node_, child.get());
    return Status::Ok;
}

Status Storage::RenameElement(std::string_view oldName, std::string_view newName)
{
    Status status = Check(true);
    if (status == Status::Ok)
        status = CheckName(newName);
    if (status != Status::Ok)
        return status;
    auto child = FindChild(*node_, oldName);
    if (!child)
        return Status::ElementNotFound;
    auto other = FindChild(*node_, newName);
    if (other && other != child)
        return Status::AlreadyExists;
    auto& children = node_->children;
    children.erase(std::find(children.begin(), children.end(), child));
    auto renamed = Node::Make(child->kind, newName);
    child->name = renamed->name;
    child->wireName = renamed->wireName;
    InsertChild(*node_, std::move(child));
    return Status::Ok;
}

Status Storage::MoveElementTo(std::string_view name, Storage& dest, std::string_view newName, MoveMode mode)
{
    Status status = Check(mode == MoveMode::Move);
    if (status == Status::Ok)
        status = dest.Check(true);
    if (status == Status::Ok)
        status = CheckName(newName);
    if (status != Status::Ok)
        return status;
    auto source = FindChild(*node_, name);
    if (!source)
        return Status::ElementNotFound;
    if (Encloses(*source, dest.node_.get()))
        return Status::InvalidMove;
    auto copy = DeepCopy(*source);
    auto renamed = Node::Make(copy->kind, newName);
    copy->name = renamed->name;
    copy->wireName = renamed->wireName;
    ClearName(*dest.node_, newName, CreateMode::Replace);
    InsertChild(*dest.node_, std::move(copy));
    if (mode == MoveMode::Move)
        RemoveChild(*node_, source.get());
    return Status::Ok;
}

Status Storage::GetClassId(ClassId& out) const
{
    Status status = Check(false);
    if (status == Status::Ok)
        out = node_->classId;
    return status;
}

Status Storage::SetClassId(const ClassId& id)
{
    Status status = Check(true);
    if (status == Status::Ok)
        node_->classId = id;
    return status;
}

Status Storage::Commit()
{
    Status status = Check(false);
    if (status != Status::Ok || !IsRoot())
        return status;
    return file_->Commit();
}

} // namespace storage
