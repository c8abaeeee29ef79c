#include "quillon4ppt/formula/help_topics.h"

namespace formula {

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {"", {}, ""},
        {"分式", {"分式录入规则： ", "标准形式：", "(分子)/(分母)", "简化形式：", "分子/分母"}, "fs.png"},
        {"根式",
         {"根式录入规则： ", "标准形式：", "g(根指数,被开方数)", "或 sqr(根指数,被开方数)", "简化形式：",
          "g被开方数或 sqr被开方数", "注意：简化形式的被开方数仅允许一个字母或数字且为平方根"},
         "gs.png"},
        {"上标",
         {"上标(乘方)录入规则： ", "标准形式：底数^(指数)", "简化形式：底数^指数",
          "注意：简化形式的上标仅允许一个字母或数字"},
         "cf.png"},
        {"下标",
         {"下标录入规则： ", "标准形式：字母_(下标)", "简化形式：字母_下标",
          "注意：简化形式的下标仅允许一个字母或数字"},
         "xb.png"},
        {"向量和弧",
         {"向量和弧录入规则： ", "向量：xl(字母)", "弧：hu(字母)",
          "注意：公式编辑器中暂不支持向量的命令行代码"},
         "xl.png"},
        {"排列组合",
         {"排列、组合录入规则： ", "排列：A(m,n)  或 P(m,n)", "组合：C(m,n)", "注意：A,P,C均要用大写"},
         "pl.png"},
        {"方程组", {"方程组录入规则： ", "fcz(方程1,方程2,....)", "注意：方程之间逗号隔开"}, "fcz.png"},
    };
    return topics;
}

std::string helpPanelText(const HelpTopic& topic) {
    std::string text;
    for (const char* line : topic.lines) text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

}  // namespace formula
