#include "ui/gbk_texts.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace orvalek {
namespace {

struct IconvCloser {
  void operator()(iconv_t converter) const { iconv_close(converter); }
};
using UniqueIconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// The GBK bytes of a UTF-8 text, by the C library's own converter, so that
// a mistyped byte in a constant cannot hide behind the same mistake here.
std::string utf8ToGbk(std::string_view utf8) {
  const UniqueIconv converter(iconv_open("GBK", "UTF-8"));
  if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "no UTF-8 to GBK converter";
    return {};
  }
  std::string input(utf8);
  std::string output(input.size() * 2 + 1, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
    ADD_FAILURE() << "cannot convert " << utf8 << ": errno " << errno;
    return {};
  }
  output.resize(output.size() - outLeft);
  return output;
}

TEST(GbkTexts, EveryConstantHoldsTheGbkBytesOfItsReadableText) {
  const struct {
    const char* name;
    std::string_view constant;
    std::string_view readable;
  } cases[] = {
      {"kWindowTitle", texts::kWindowTitle, "Orvalek自动化3.5"},
      {"kRunningCaptionPrefix", texts::kRunningCaptionPrefix,
       "Orvalek自动化3.5 开启中，操作次数："},
      {"kStoppedCaption", texts::kStoppedCaption, "Orvalek自动化3.5 已停止！"},
      {"kHelpButton", texts::kHelpButton, "还有这种操作"},
      {"kLoopCheckBox", texts::kLoopCheckBox, "是否循环操作"},
      {"kStartButton", texts::kStartButton, "开始"},
      {"kClickKindLabel", texts::kClickKindLabel, "操作"},
      {"kNextClickLabel", texts::kNextClickLabel, "下次操作的时间"},
      {"kYLabel", texts::kYLabel, "Y"},
      {"kXLabel", texts::kXLabel, "X"},
      {"kSecondsLabel", texts::kSecondsLabel, "秒"},
      {"kMinutesLabel", texts::kMinutesLabel, "分"},
      {"kHoursLabel", texts::kHoursLabel, "时"},
      {"kSetTimeLabel", texts::kSetTimeLabel, "设置时间:"},
      {"kAddButton", texts::kAddButton, "加入操作"},
      {"kHelpLine1", texts::kHelpLine1, "操作信息：X,Y,时,分,秒,操作类型"},
      {"kHelpLine2", texts::kHelpLine2,
       "操作类型，X：表示横坐标，Y：表示纵坐标，时分秒：表示本次操作时间为多少时间后，"
       "操作类型：0鼠标左键单击、1鼠标左键双击、2鼠标右键单击、3鼠标右键双击。"},
      {"kHelpLine3", texts::kHelpLine3,
       "F1：自动填充鼠标所在XY，F2：加入一条操作，F3：开始/停止操作。"},
      {"kErrorTitle", texts::kErrorTitle, "错误"},
      {"kErrorHeading", texts::kErrorHeading, "运行时出错!\r\n"},
      {"kErrorCodePrefix", texts::kErrorCodePrefix, "\r\n错误代码："},
      {"kErrorMessagePrefix", texts::kErrorMessagePrefix, "\r\n错误信息："},
      {"kWindowCreationFailed", texts::kWindowCreationFailed, "载入启动窗口失败"},
      {"kAllocationFailedPrefix", texts::kAllocationFailedPrefix, "分配 "},
      {"kAllocationFailedSuffix", texts::kAllocationFailedSuffix, " 字节内存失败!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.constant, utf8ToGbk(c.readable));
  }
}

}  // namespace
}  // namespace orvalek
