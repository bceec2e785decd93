#include "link/TestView.h"
// Placeholder bodies; filled in with the test view.
namespace cs {
TestView::TestView(AppState& state, Port& port, PortControl& portControl)
    : state_(state), port_(port), portControl_(portControl) {}
QString TestView::caption() const { return on_ ? QStringLiteral("停(&t)") : QStringLiteral("测试(&t)"); }
QString TestView::text() const { return text_; }
bool TestView::timerOn() const { return on_; }
int TestView::windowHeightTwips() const { return heightTwips_; }
void TestView::toggle() {}
void TestView::recvdata() {}
}
