// The clipboard as text, and the viewer chain that tells a window of every
// change.
#pragma once

#include <functional>
#include <string>

#include "platform/Types.h"

namespace vnl {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Joins the viewer chain; gives the window that was first before.
    virtual WindowHandle SetViewer(WindowHandle self) = 0;
    virtual void ChangeChain(WindowHandle self, WindowHandle next) = 0;
    virtual bool HasText() = 0;
    // The text up to its first NUL; raise EClipboardError when the
    // clipboard cannot be opened.
    virtual std::string ReadText() = 0;
    // Replaces the whole clipboard with the text (CF_TEXT).
    virtual void WriteText(const std::string& text) = 0;
};

// Another program usually holds the clipboard open for a few milliseconds
// only, so opening it is tried again a few times before giving up.
struct RetryPolicy {
    int attempts = 5;
    unsigned pauseMs = 10;
};

// Calls tryOpen up to policy.attempts times with a pause between attempts;
// true as soon as one succeeds.
bool OpenWithRetry(const std::function<bool()>& tryOpen, const std::function<void(unsigned)>& pause,
                   RetryPolicy policy = {});

}  // namespace vnl
