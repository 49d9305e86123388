// The application's report of errors thrown inside event handlers, and the
// message texts of the Qt platform layer.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include "Control_data.h"
#include "Qt_platform.h"
#include "Scripted_platform.h"

namespace {

// An object whose every event handler fails with the given message.
class Failing_object : public QObject {
public:
    explicit Failing_object(std::string message) : message_(std::move(message)) {}
    bool event(QEvent*) override { throw EIn_out_error(message_); }

private:
    std::string message_;
};

struct Report_case {
    const char* Name;
    std::string Message;
    std::string Shown;
};

class Error_report : public ::testing::TestWithParam<Report_case> {};

TEST_P(Error_report, ErrorOfAHandlerReachesTheErrorBoxAndTheLoopGoesOn)
{
    Failing_object failing(GetParam().Message);
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    EXPECT_EQ(Test_platform().Errors, std::vector<std::string>{GetParam().Shown});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, Error_report,
    ::testing::Values(Report_case{"LetterGetsAFullStop", "File access denied", "File access denied."},
                      Report_case{"FullStopKept", "Invalid numeric input.", "Invalid numeric input."},
                      Report_case{"ClosingBracketSortsBeforeTheStop", "Disk full (28)", "Disk full (28)"},
                      Report_case{"EmptyStaysEmpty", "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Error_report, ThrowingClickHandlerIsReportedOnce)
{
    QPushButton button("Fails");
    QObject::connect(&button, &QPushButton::clicked, [] { throw std::runtime_error("Computation failed"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(Test_platform().Errors, std::vector<std::string>{"Computation failed."});
    // The button still works afterwards.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(Test_platform().Errors.size(), 2u);
}

struct Box_text_case {
    const char* Name;
    std::string Text;
    QString Shown;
};

class Message_box : public ::testing::TestWithParam<Box_text_case> {};

TEST_P(Message_box, LoneCrBreaksTheLine)
{
    EXPECT_EQ(Message_box_text(GetParam().Text), GetParam().Shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Message_box,
    ::testing::Values(Box_text_case{"TwoCrs", "INPUT ERROR\r\rEnter numeric data only.",
                                    "INPUT ERROR\n\nEnter numeric data only."},
                      Box_text_case{"CrLfIsOneBreak", "a\r\nb", "a\nb"},
                      Box_text_case{"PlainText", "Exit from program?", "Exit from program?"},
                      Box_text_case{"Utf8Kept", "caf\xC3\xA9\rx", QString::fromUtf8("caf\xC3\xA9\nx")}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
