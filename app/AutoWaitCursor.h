#pragma once

namespace varnel {

// Shows the wait cursor over the application for the life of the object, also when an exception
// leaves the scope.
class AutoWaitCursor {
public:
    AutoWaitCursor();
    ~AutoWaitCursor();
    AutoWaitCursor(const AutoWaitCursor&) = delete;
    AutoWaitCursor& operator=(const AutoWaitCursor&) = delete;
};

} // namespace varnel
