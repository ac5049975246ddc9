#pragma once
// When the stand-in server may end, and the names its objects carry in the journal.
#include <cstddef>
#include <cstdint>
#include <string>

#include "automation/host_members.h"

namespace standin {

// An out-of-process server lives while it has live objects or server locks. It starts with neither
// (COM asks the class factory only after the server is up), so it may end only once it has had one.
class ServerLifetime {
public:
    void ObjectCreated() {
        ++live_;
        hadOne_ = true;
    }
    void ObjectDestroyed() { --live_; }
    void Lock() {
        ++locks_;
        hadOne_ = true;
    }
    void Unlock() {
        if (locks_ > 0)
            --locks_;
    }
    bool CanEnd() const { return hadOne_ && live_ == 0 && locks_ == 0; }
    size_t LiveObjects() const { return live_; }

private:
    size_t live_ = 0;
    size_t locks_ = 0;
    bool hadOne_ = false;
};

// app1, app2, ... and doc1, doc2, ... in creation order.
class ObjectNames {
public:
    std::string Next(automation::Target target) {
        return target == automation::Target::Application ? "app" + std::to_string(++apps_)
                                                         : "doc" + std::to_string(++docs_);
    }

private:
    uint32_t apps_ = 0;
    uint32_t docs_ = 0;
};

} // namespace standin
