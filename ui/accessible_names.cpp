#include "ui/accessible_names.h"

#include <QWidget>

#include <utility>

namespace {

// Form name, then what a screen reader says.
constexpr std::pair<const char*, const char*> kNames[] = {
    {"编辑框1", "欲转换文本"},
    {"标签1", "欲转换文本标签"},
    {"编辑框3", "每列字数"},
    {"标签2", "每列字数标签"},
    {"转换", "古文转换"},
    {"编辑框2", "转换后文本"},
    {"标签3", "转换后文本标签"},
    {"按钮2", "粘贴到上"},
    {"按钮3", "复制以上"},
    {"选择框1", "去除空格"},
    {"选择框2", "全角"},
    {"按钮4", "加宽窗口，显示美化选项"},
    {"分组框1", "美化选项"},
    {"单选框1", "箭头分隔符"},
    {"单选框2", "货币符号分隔符"},
    {"单选框3", "自定义分隔符"},
    {"编辑框4", "自定义分隔符文本"},
    {"美化", "美化转换后文本"},
    {"按钮1", "收窄窗口，隐藏美化选项"},
    {"斜字", "生成斜字"},
    {"选择框3", "繁体"},
    {"图片框1", "装饰画：白衣书生花下举杯"},
    {"图片框2", "广告：免费通话，打开网页"},
    {"分组框2", "空白分组框"},
    {"图片框3", "广告：仙侠世界网游，打开网页"},
};

}  // namespace

void setAccessibleNames(QWidget& window) {
    for (const auto& [formName, spoken] : kNames) {
        if (auto* control = window.findChild<QWidget*>(QString::fromUtf8(formName))) {
            control->setAccessibleName(QString::fromUtf8(spoken));
        }
    }
}
