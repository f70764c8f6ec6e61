// The named object that lets only one resident instance run.
#pragma once

#include <string>

namespace vnl {

class IInstanceLock {
public:
    enum class CreateResult { Owned, AlreadyExists, Failed };
    virtual ~IInstanceLock() = default;
    // True when another process holds an object of that name.
    virtual bool Exists(const std::string& name) = 0;
    // Creates the object owned by the calling thread.
    virtual CreateResult Create(const std::string& name) = 0;
    virtual void Release() = 0;
};

}  // namespace vnl
