// An object that takes commands by numeric id: a table of command handlers
// and of update handlers, and the route a command follows past this object.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class CmdUI;

// What OnCmdMsg is asked: run the command, run its update handler, or only
// say whether a command handler exists.
enum class CmdCode { Command, Update, Probe };

class CmdTarget {
public:
    using CommandHandler = std::function<void(unsigned id)>;
    using UpdateHandler = std::function<void(CmdUI&)>;

    CmdTarget();
    virtual ~CmdTarget();
    CmdTarget(const CmdTarget&) = delete;
    CmdTarget& operator=(const CmdTarget&) = delete;

    // Handlers added later take precedence over earlier ones for the same id,
    // so a derived class's constructor overrides its base's handlers.
    void AddCommand(unsigned id, CommandHandler handler);
    void AddCommandRange(unsigned first, unsigned last, CommandHandler handler);
    void AddUpdate(unsigned id, UpdateHandler handler);
    void AddUpdateRange(unsigned first, unsigned last, UpdateHandler handler);

    // Offers a command along this object's route; true when some object on
    // the route handled it. Derived classes extend the route and call the
    // base to consult their own tables. cmdUI is set only for Update.
    virtual bool OnCmdMsg(unsigned id, CmdCode code, CmdUI* cmdUI);

    // Runs a command unless its update handlers disable it (an item without
    // update handler counts as enabled); true when it ran.
    bool ExecuteCommand(unsigned id);

    // Expires when this object is destroyed: queued work checks it first.
    std::weak_ptr<CmdTarget*> Token() const { return token_; }

protected:
    // Own tables only, without the route.
    bool HandleOwn(unsigned id, CmdCode code, CmdUI* cmdUI);

private:
    struct CommandEntry {
        unsigned first, last;
        CommandHandler handler;
    };
    struct UpdateEntry {
        unsigned first, last;
        UpdateHandler handler;
    };
    std::vector<CommandEntry> commands_;
    std::vector<UpdateEntry> updates_;
    std::shared_ptr<CmdTarget*> token_;
};

// A pointer to a command target that reads as null once the target is gone.
template<class T>
class TargetPtr {
public:
    TargetPtr() = default;
    TargetPtr(T* target) { reset(target); }
    void reset(T* target = nullptr)
    {
        target_ = target;
        token_ = target ? target->Token() : std::weak_ptr<CmdTarget*>();
    }
    T* get() const { return token_.expired() ? nullptr : target_; }
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

private:
    T* target_ = nullptr;
    std::weak_ptr<CmdTarget*> token_;
};

} // namespace ui
