#include "ButtonControl.h"
#include "CWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class BaseWindow : public CWnd {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static constexpr MessageEntry entries[] = {
            OnMessage<WM_PAINT, &BaseWindow::OnPaint>(),
            OnMessage<WM_DESTROY, &BaseWindow::OnDestroy>(),
            OnCommand<BN_CLICKED, 7, &BaseWindow::OnSeven>(),
        };
        static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
        return &map;
    }
    void OnPaint() { log.push_back("base paint"); }
    void OnDestroy() { log.push_back("base destroy"); }
    void OnSeven() { log.push_back("base seven"); }

    std::vector<std::string> log;
};

class DerivedWindow : public BaseWindow {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap()
    {
        static constexpr MessageEntry entries[] = {
            OnMessage<WM_PAINT, &DerivedWindow::OnPaint>(),
            OnMessage<WM_LBUTTONDOWN, &DerivedWindow::OnLButtonDown>(),
            OnMessage<WM_SIZE, &DerivedWindow::OnSize>(),
            OnCommand<EN_SETFOCUS, 7, &DerivedWindow::OnFocusSeven>(),
            OnCommandRange<BN_CLICKED, 10, 12, &DerivedWindow::OnKey>(),
        };
        static constexpr MessageMap map{&BaseWindow::GetThisMessageMap, entries};
        return &map;
    }
    void OnPaint() { log.push_back("derived paint"); }
    void OnLButtonDown(UINT flags, CPoint point)
    {
        log.push_back("down " + std::to_string(flags) + " " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    void OnSize(UINT type, int cx, int cy)
    {
        log.push_back("size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnFocusSeven() { log.push_back("focus seven"); }
    void OnKey(UINT nID) { log.push_back("key " + std::to_string(nID)); }
};

TEST(MessageMap, TheDerivedTableComesFirstThenItsBases)
{
    struct Row {
        MSG msg;
        const char* expected; // empty: no handler, default processing
    };
    const Row rows[] = {
        {{WM_PAINT, 0, 0}, "derived paint"},
        {{WM_DESTROY, 0, 0}, "base destroy"},
        {{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 40)}, "down 1 -3,40"},
        {{WM_SIZE, SIZE_RESTORED, MAKELPARAM(344, 318)}, "size 0 344x318"},
        {{WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0}, "base seven"},
        {{WM_COMMAND, MAKEWPARAM(7, EN_SETFOCUS), 0}, "focus seven"},
        {{WM_COMMAND, MAKEWPARAM(10, BN_CLICKED), 0}, "key 10"},
        {{WM_COMMAND, MAKEWPARAM(12, BN_CLICKED), 0}, "key 12"},
        {{WM_COMMAND, MAKEWPARAM(13, BN_CLICKED), 0}, ""},
        {{WM_COMMAND, MAKEWPARAM(10, EN_SETFOCUS), 0}, ""},
        {{WM_MOUSEMOVE, 0, 0}, ""},
    };
    for (const Row& row : rows) {
        DerivedWindow window;
        window.SendMessage(row.msg.message, row.msg.wParam, row.msg.lParam);
        const std::vector<std::string> expected = *row.expected ? std::vector<std::string>{row.expected}
                                                                : std::vector<std::string>{};
        EXPECT_EQ(window.log, expected) << "message " << row.msg.message << " wParam " << row.msg.wParam;
    }
}

TEST(MessageMap, DefaultOfASentMessageIsTheWindowProcedure)
{
    // A button's default processing of BM_SETSTATE shows it pushed.
    class Window : public CWnd {
    public:
        const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
        static const MessageMap* GetThisMessageMap()
        {
            static constexpr MessageEntry entries[] = {OnMessage<BM_SETSTATE, &Window::OnSetState>()};
            static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
            return &map;
        }
        void OnSetState()
        {
            seen = GetCurrentMessage()->wParam;
            Default();
        }
        WPARAM seen = 0;
    };
    ButtonControl control(nullptr);
    Window window;
    ASSERT_TRUE(window.SubclassWindow(&control));
    window.SendMessage(BM_SETSTATE, TRUE);
    EXPECT_EQ(window.seen, 1u);
    EXPECT_TRUE(control.isDown());
}

TEST(MessageMap, AWidgetTakesOneWindowObjectAndAWindowObjectOneWidget)
{
    ButtonControl first(nullptr);
    ButtonControl second(nullptr);
    CWnd window;
    CWnd other;
    EXPECT_FALSE(window.SubclassWindow(nullptr));
    EXPECT_TRUE(window.SubclassWindow(&first));
    EXPECT_FALSE(window.SubclassWindow(&second));
    EXPECT_FALSE(other.SubclassWindow(&first));
    EXPECT_EQ(CWnd::FromHandlePermanent(&first), &window);
    EXPECT_EQ(window.UnsubclassWindow(), &first);
    EXPECT_EQ(CWnd::FromHandlePermanent(&first), nullptr);
    EXPECT_TRUE(other.SubclassWindow(&first));
}

} // namespace
