#pragma once

#include <cstdint>
#include <span>

// A dialog resource as plain data: what the window platform needs to build the
// dialog and its controls. Positions and sizes are in dialog units.

// The window class a control is made of; its style value says which variant
// (push, radio or check button, group box; right-aligned text, and so on).
enum class DialogControlClass { Button, Edit, Static };

struct DialogControlTemplate {
    int id;  // -1 for a control without a number of its own
    DialogControlClass controlClass;
    const char* caption;  // UTF-8; empty when the control has none
    int x;
    int y;
    int width;
    int height;
    std::uint32_t style;
};

// What screen readers call a control, in words a person would say ("change
// sign" for "+/-"), and what they add when asked about it.
struct DialogControlAccessibility {
    int id;
    const char* name;
    const char* description = nullptr;  // null when the name says enough
};

struct DialogTemplate {
    std::uint32_t style;
    int fontPointSize;
    const char* fontFace;
    int x;
    int y;
    int width;
    int height;
    // Template order: also the tab order and the z-order (first is topmost).
    std::span<const DialogControlTemplate> controls;
    // Controls not listed here are named by their caption; an edit field
    // without a caption by the static text just before it, its label.
    std::span<const DialogControlAccessibility> accessibility;
};

// The dialog resource with this id, or null when the program has none.
const DialogTemplate* FindDialogTemplate(unsigned id);
