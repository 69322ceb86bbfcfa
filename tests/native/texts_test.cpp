// Each text the program carries must be the GBK form of the words it stands for.
#include <gtest/gtest.h>
#include <iconv.h>

#include "app/texts.h"

namespace {

std::string Gbk(const std::string& utf8) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2 + 8, '\0');
  char* in_ptr = const_cast<char*>(utf8.data());
  char* out_ptr = out.data();
  size_t in_left = utf8.size(), out_left = out.size();
  size_t result = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(converter);
  EXPECT_NE(result, static_cast<size_t>(-1)) << "not convertible: " << utf8;
  out.resize(out.size() - out_left);
  return out;
}

TEST(Texts, AreTheGbkFormOfTheirWords) {
  const struct {
    const char* name;
    const char* text;
    const char* words;  // UTF-8
  } rows[] = {
      {"caption", kCaption, u8"Varenkel"},
      {"modify button", kModifyCaption, u8"修改"},
      {"delete button", kDeleteCaption, u8"删除"},
      {"hint", kHintText,
       u8"提示：\r\n     修改/删除时请不要禁用网卡\r\n             \r\n                          By:Ostrevane"},
      {"term local", kTermLocal, u8"本地"},
      {"term wireless", kTermWireless, u8"无线"},
      {"default wireless name", kDefaultWirelessName, u8"无线网络连接"},
      {"default local name", kDefaultLocalName, u8"本地连接"},
      {"message title", kMessageTitle, u8"提示"},
      {"rename refusal", kRefuseRenameLead, u8"不能修改默认["},
      {"delete refusal", kRefuseDeleteLead, u8"不能删除默认["},
      {"refusal tail", kRefuseTail, u8"]名称"},
      {"renamed", kRenameSucceeded, u8"修改成功,到[网络连接]刷新"},
      {"rename failed", kRenameFailed, u8"修改失败！"},
      {"deleted", kDeleteSucceeded, u8"删除成功！"},
      {"delete failed", kDeleteFailed, u8"删除失败！"},
      {"fatal title", kFatalTitle, u8"错误"},
      {"bind failed lead", kBindFailedLead, u8"无法从 "},
      {"bind failed middle", kBindFailedMiddle, u8" 中载入函数 "},
      {"bind failed tail", kBindFailedTail, u8"，程序将退出。"},
      {"out of memory", kOutOfMemory, u8"内存不足，程序将退出。"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(std::string(row.text), Gbk(row.words));
  }
}

}  // namespace
