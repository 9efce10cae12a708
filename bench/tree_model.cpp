// The generated drive imitates a well-used Windows disk: system folders, a
// few users' documents and photos, source trees with their .git and
// node_modules. What matters to the benchmarks is the shape (most folders
// a few levels down, a few very wide ones, names that share beginnings) and
// the names (about a third Japanese, some with 0x5C as their second
// Shift-JIS byte). Everything comes from one seeded generator of our own, so
// the same arguments give the same tree with any standard library.
#include "tree_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_set>

namespace vyr::bench {
namespace {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

  // splitmix64
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  std::uint64_t Below(std::uint64_t n) { return n == 0 ? 0 : Next() % n; }
  std::uint64_t Between(std::uint64_t lo, std::uint64_t hi) { return lo + Below(hi - lo + 1); }
  bool Chance(double p) { return Unit() < p; }
  template <std::size_t N>
  const char* Pick(const std::array<const char*, N>& words) {
    return words[Below(N)];
  }

 private:
  std::uint64_t state_;
};

enum class Flavor { kRoot, kGeneral, kSystem, kDocuments, kPhotos, kCode, kGitDir, kGitObjects, kPackages, kLeaf };

constexpr std::array<const char*, 20> kTopLevel = {
    "Program Files", "Program Files (x86)", "Windows", "Users", "ProgramData", "tools",
    "work", "データ", "バックアップ", "ゲーム", "src", "Temp", "Intel", "Drivers", "共有",
    "archive", "Downloads", "写真", "音楽", "ドキュメント"};

constexpr std::array<const char*, 60> kEnglish = {
    "docs", "data", "backup", "old", "new", "archive", "Music", "Videos", "Pictures",
    "Documents", "Downloads", "Desktop", "projects", "misc", "images", "config", "settings",
    "resources", "templates", "samples", "examples", "help", "manual", "common", "shared",
    "Common Files", "Microsoft", "Adobe", "Mozilla Firefox", "Google", "Application Data",
    "Local Settings", "AppData", "Local", "Roaming", "Packages", "fonts", "icons", "themes",
    "plugins", "logs", "cache", "temp", "install", "setup", "drivers", "updates", "reports",
    "scans", "mail", "contacts", "Favorites", "Saved Games", "Links", "Searches", "private",
    "public", "software", "utilities", "games"};

// Several have 0x5C as their second Shift-JIS byte (ソ, 表, 能, 予, 十, 申,
// 構, 貼), which a byte-wise search for "\" gets wrong.
constexpr std::array<const char*, 72> kJapanese = {
    "写真", "ドキュメント", "音楽", "動画", "仕事", "資料", "会議", "会議資料", "報告書",
    "議事録", "見積書", "請求書", "企画", "提案書", "プロジェクト", "旅行", "家族", "子供",
    "学校", "年賀状", "デスクトップ", "ダウンロード", "新しいフォルダー", "ソフト", "ソース",
    "表示", "能力", "予定", "予算", "申請書", "十月", "構成", "貼り付け", "個人", "設定",
    "保存", "作業中", "完成", "下書き", "素材", "画像", "壁紙", "古いファイル", "バックアップ",
    "テスト", "サンプル", "日記", "趣味", "料理", "東京", "大阪", "京都", "北海道", "沖縄",
    "売上", "経理", "総務", "人事", "営業部", "開発部", "お気に入り", "ゲーム", "アルバム",
    "スキャン", "印刷用", "配布資料", "マニュアル", "取扱説明書", "ツール", "ソフトウェア",
    "表計算", "予備"};

constexpr std::array<const char*, 24> kSystem = {
    "System32", "SysWOW64", "WinSxS", "Fonts", "Help", "inf", "Logs", "Microsoft.NET",
    "assembly", "servicing", "Prefetch", "Temp", "drivers", "en-US", "ja-JP", "config",
    "catroot", "spool", "Tasks", "Boot", "Cursors", "Media", "Resources", "Installer"};

constexpr std::array<const char*, 40> kCode = {
    "src", "include", "lib", "test", "tests", "docs", "build", "tools", "scripts", "cmake",
    "third_party", "examples", "res", "assets", "bin", "obj", "Debug", "Release", "x64",
    ".git", "node_modules", ".vscode", "core", "util", "common", "platform", "ui", "net",
    "io", "internal", "api", "model", "view", "controller", "components", "fixtures", "data",
    "vendor", "public", "dist"};

constexpr std::array<const char*, 40> kPackages = {
    "lodash", "react", "react-dom", "@babel", "core-js", "typescript", "webpack", "eslint",
    "chalk", "debug", "ms", "semver", "yargs", "commander", "glob", "minimatch", "rimraf",
    "mkdirp", "uuid", "axios", "express", "body-parser", "qs", "mime", "tslib", "rxjs",
    "@types", "jest", "prettier", "acorn", "ajv", "bluebird", "colors", "moment", "async",
    "underscore", "jquery", "vue", "postcss", "sass"};

constexpr std::array<const char*, 12> kEvents = {
    "旅行", "運動会", "誕生日", "結婚式", "花見", "紅葉", "お正月", "卒業式", "入学式",
    "夏祭り", "ソウル旅行", "BBQ"};

constexpr std::array<const char*, 8> kGitDir = {
    "objects", "refs", "hooks", "info", "logs", "heads", "tags", "remotes"};

constexpr std::array<const char*, 30> kFiles = {
    "readme.txt", "desktop.ini", "Thumbs.db", "setup.exe", "config.ini", "index.html",
    "main.cpp", "Makefile", "package.json", "資料.docx", "議事録.xlsx", "見積書.pdf",
    "memo.txt", "IMG_0001.JPG", "DSC00042.JPG", "写真.png", "report.pdf", "data.csv",
    "license.txt", "install.log", "a.out", "notes.md", "予定表.xls", "ソフト一覧.txt",
    "CMakeLists.txt", "util.h", "app.js", "style.css", "music.mp3", "video.mp4"};

constexpr std::array<const char*, 10> kSuffixes = {
    " (2)", "_old", "_bak", "2", " - コピー", "_work", "-final", "_new", " (3)", "_tmp"};

// Bytes a UTF-8 name takes in code page 932: our names hold ASCII and
// characters of three UTF-8 bytes that are two bytes there.
std::size_t AnsiLength(std::string_view utf8) {
  std::size_t length = 0;
  for (std::size_t k = 0; k < utf8.size(); ++k) {
    const auto byte = static_cast<unsigned char>(utf8[k]);
    if (byte < 0x80) {
      ++length;
    } else if (byte >= 0xE0) {
      length += 2;
    }
  }
  return length;
}

// Names of one directory are unique without regard to ASCII case, as on
// Windows, so that Wine sees the same tree as Linux.
std::string FoldedCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

Flavor FlavorOfName(std::string_view name, Flavor parent) {
  static const std::array<std::pair<const char*, Flavor>, 22> kKnown = {{
      {"写真", Flavor::kPhotos},        {"Pictures", Flavor::kPhotos},
      {"画像", Flavor::kPhotos},        {"アルバム", Flavor::kPhotos},
      {"DCIM", Flavor::kPhotos},        {"src", Flavor::kCode},
      {"ソース", Flavor::kCode},        {"projects", Flavor::kCode},
      {"プロジェクト", Flavor::kCode},  {"work", Flavor::kCode},
      {"開発部", Flavor::kCode},        {".git", Flavor::kGitDir},
      {"objects", Flavor::kGitObjects}, {"node_modules", Flavor::kPackages},
      {"ドキュメント", Flavor::kDocuments}, {"Documents", Flavor::kDocuments},
      {"仕事", Flavor::kDocuments},     {"資料", Flavor::kDocuments},
      {"営業部", Flavor::kDocuments},   {"Windows", Flavor::kSystem},
      {"System32", Flavor::kSystem},    {"WinSxS", Flavor::kSystem},
  }};
  for (const auto& [known, flavor] : kKnown) {
    if (name == known && !(flavor == Flavor::kGitObjects && parent != Flavor::kGitDir)) {
      return flavor;
    }
  }
  switch (parent) {
    case Flavor::kRoot:
    case Flavor::kGitDir:
      return Flavor::kGeneral;
    case Flavor::kGitObjects:
    case Flavor::kLeaf:
      return Flavor::kLeaf;  // the two-digit object folders hold files only
    case Flavor::kPackages:
      return Flavor::kCode;
    default:
      return parent;
  }
}

struct Child {
  std::string name;
  Flavor flavor;
  std::size_t path_length;
  std::vector<std::string> files;
  std::uint64_t share = 0;
  bool may_have_children = false;
};

class Generator {
 public:
  Generator(const TreeShape& shape, TreeSink& sink) : shape_(shape), sink_(sink), random_(shape.seed) {
    stats_.directories_at_depth.assign(static_cast<std::size_t>(shape.max_depth) + 1, 0);
  }

  TreeStats Run() {
    // The root takes a few rounds when its subtrees give budget back.
    std::uint64_t made = 0;
    std::unordered_set<std::string> taken;
    int round = 0;
    while (made < shape_.directories && round < 1000) {
      made += Fill(0, Flavor::kRoot, 2, shape_.directories - made, taken);
      ++round;
    }
    if (made != shape_.directories) {
      std::fprintf(stderr, "tree model: made %llu of %llu directories\n",
                   static_cast<unsigned long long>(made),
                   static_cast<unsigned long long>(shape_.directories));
    }
    return stats_;
  }

 private:
  // Longest path, in code-page-932 bytes, below which a directory may still
  // get children: MAX_PATH applies to the A functions under Wine too.
  static constexpr std::size_t kDeepestParentPath = 200;

  std::uint64_t DrawFanOut(Flavor flavor) {
    const double r = random_.Unit();
    switch (flavor) {
      case Flavor::kRoot:
        return random_.Between(12, 18);
      case Flavor::kGitDir:
        return random_.Between(3, 8);
      case Flavor::kGitObjects:
        return r < 0.7 ? random_.Between(16, 256) : random_.Between(1, 3);
      case Flavor::kPackages:
        return r < 0.6 ? random_.Between(5, 40) : random_.Between(40, 300);
      case Flavor::kPhotos:
        return r < 0.8 ? random_.Between(3, 15) : random_.Between(15, 60);
      case Flavor::kSystem:
        return r < 0.7 ? random_.Between(2, 12) : random_.Between(12, 120);
      default:
        if (r < 0.3) return random_.Between(1, 3);
        if (r < 0.75) return random_.Between(3, 10);
        if (r < 0.95) return random_.Between(10, 30);
        return random_.Between(30, 200);
    }
  }

  std::string Decorated(std::string name) {
    if (random_.Chance(0.2)) name += random_.Pick(kSuffixes);
    return name;
  }

  // A made-up word of a few syllables: the names people give their own
  // projects, which a few typed letters tell apart.
  std::string ProjectName() {
    static constexpr std::array<const char*, 32> kSyllables = {
        "ka", "ri", "to", "mon", "sel", "ver", "dan", "lo", "zen", "pi", "qua", "rex", "tal",
        "no", "vi", "gor", "an", "bel", "cor", "dex", "el", "fin", "gra", "hal", "is", "jor",
        "kel", "lum", "mar", "nex", "or", "pra"};
    std::string word = random_.Pick(kSyllables);
    const std::uint64_t syllables = random_.Between(1, 3);
    for (std::uint64_t k = 0; k < syllables; ++k) word += random_.Pick(kSyllables);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
  }

  // Names that are rare on a drive: own projects, versions, installer and
  // cache folders, people.
  std::string DistinctName() {
    static constexpr std::array<const char*, 12> kPeople = {
        "山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤", "吉田", "山本"};
    char buffer[64];
    const double r = random_.Unit();
    if (r < 0.4) return ProjectName();
    if (r < 0.6) {
      std::snprintf(buffer, sizeof buffer, "%s-%llu.%llu.%llu", ProjectName().c_str(),
                    static_cast<unsigned long long>(random_.Between(0, 9)),
                    static_cast<unsigned long long>(random_.Between(0, 20)),
                    static_cast<unsigned long long>(random_.Between(0, 99)));
      return buffer;
    }
    if (r < 0.75) {
      std::snprintf(buffer, sizeof buffer, "{%08llX-%04llX-%04llX-%04llX-%012llX}",
                    static_cast<unsigned long long>(random_.Below(1ull << 32)),
                    static_cast<unsigned long long>(random_.Below(1 << 16)),
                    static_cast<unsigned long long>(random_.Below(1 << 16)),
                    static_cast<unsigned long long>(random_.Below(1 << 16)),
                    static_cast<unsigned long long>(random_.Below(1ull << 48)));
      return buffer;
    }
    if (r < 0.9) {
      std::snprintf(buffer, sizeof buffer, "%s%s", random_.Pick(kPeople), random_.Pick(kJapanese));
      return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%s_%s", ProjectName().c_str(), random_.Pick(kJapanese));
    return buffer;
  }

  std::string DrawName(Flavor flavor, int depth) {
    char buffer[64];
    switch (flavor) {
      case Flavor::kRoot:
        return random_.Pick(kTopLevel);
      case Flavor::kSystem:
        if (random_.Chance(0.3)) {
          std::snprintf(buffer, sizeof buffer, "x86_microsoft-windows-%s_%08llx",
                        random_.Pick(kSystem), static_cast<unsigned long long>(random_.Below(1u << 31)));
          return buffer;
        }
        return random_.Chance(0.7) ? random_.Pick(kSystem) : random_.Pick(kEnglish);
      case Flavor::kGitDir:
        return random_.Pick(kGitDir);
      case Flavor::kGitObjects:
        std::snprintf(buffer, sizeof buffer, "%02llx", static_cast<unsigned long long>(random_.Below(256)));
        return buffer;
      case Flavor::kPackages:
        if (random_.Chance(0.5)) {
          std::snprintf(buffer, sizeof buffer, "%s-%s", random_.Pick(kPackages), random_.Pick(kCode));
          return buffer;
        }
        return random_.Pick(kPackages);
      case Flavor::kPhotos: {
        const double r = random_.Unit();
        const auto year = static_cast<unsigned long long>(random_.Between(2001, 2024));
        const auto month = static_cast<unsigned long long>(random_.Between(1, 12));
        const auto day = static_cast<unsigned long long>(random_.Between(1, 28));
        if (depth <= 3 && r < 0.5) {
          std::snprintf(buffer, sizeof buffer, "%llu", year);
        } else if (r < 0.3) {
          std::snprintf(buffer, sizeof buffer, "%02llu", month);
        } else if (r < 0.6) {
          std::snprintf(buffer, sizeof buffer, "%llu-%02llu-%02llu %s", year, month, day,
                        random_.Pick(kEvents));
        } else if (r < 0.75) {
          std::snprintf(buffer, sizeof buffer, "%lluCANON", static_cast<unsigned long long>(random_.Between(100, 140)));
        } else if (r < 0.9) {
          std::snprintf(buffer, sizeof buffer, "%llu年%llu月", year, month);
        } else {
          return random_.Pick(kEvents);
        }
        return buffer;
      }
      case Flavor::kCode:
        if (random_.Chance(0.6)) return random_.Pick(kCode);
        if (random_.Chance(0.6)) return ProjectName();
        return Decorated(random_.Chance(0.5) ? random_.Pick(kEnglish) : random_.Pick(kJapanese));
      case Flavor::kDocuments: {
        const double r = random_.Unit();
        if (r < 0.55) return Decorated(random_.Pick(kJapanese));
        if (r < 0.75) {
          std::snprintf(buffer, sizeof buffer, "%llu年度", static_cast<unsigned long long>(random_.Between(2005, 2024)));
          return buffer;
        }
        if (r < 0.85) {
          std::snprintf(buffer, sizeof buffer, "第%llu回%s", static_cast<unsigned long long>(random_.Between(1, 40)),
                        random_.Pick(kJapanese));
          return buffer;
        }
        return Decorated(random_.Pick(kEnglish));
      }
      default: {
        const double r = random_.Unit();
        if (r < 0.45) return Decorated(random_.Pick(kEnglish));
        if (r < 0.65) return Decorated(random_.Pick(kJapanese));
        if (r < 0.85) return DistinctName();
        if (r < 0.9) {
          std::snprintf(buffer, sizeof buffer, "%s%s", random_.Pick(kEnglish), random_.Pick(kJapanese));
          return buffer;
        }
        std::snprintf(buffer, sizeof buffer, "%s_%04llu", random_.Pick(kJapanese),
                      static_cast<unsigned long long>(random_.Between(1, 9999)));
        return buffer;
      }
    }
  }

  std::string UniqueName(std::string name, std::unordered_set<std::string>& taken) {
    if (taken.insert(FoldedCase(name)).second) return name;
    for (unsigned n = 2;; ++n) {
      const std::string numbered = name + " (" + std::to_string(n) + ")";
      if (taken.insert(FoldedCase(numbered)).second) return numbered;
    }
  }

  // Makes up to `budget` directories below the directory at `depth` whose
  // path is `path_length` bytes long, and tells them to the sink. Returns how
  // many it made; what a subtree cannot use goes on to its next sibling.
  std::uint64_t Fill(int depth, Flavor flavor, std::size_t path_length, std::uint64_t budget,
                     std::unordered_set<std::string>& taken) {
    if (budget == 0 || depth >= shape_.max_depth || path_length > kDeepestParentPath) return 0;

    // Enough children that the levels left below can hold the budget.
    const int levels_left = shape_.max_depth - depth;
    const auto fitting = static_cast<std::uint64_t>(
        std::ceil(std::pow(static_cast<double>(budget), 1.0 / levels_left)));
    const std::uint64_t count = std::min(budget, std::max(DrawFanOut(flavor), fitting));

    std::vector<Child> children(count);
    double weight_total = 0;
    std::vector<double> weights(count, 0.0);
    for (std::uint64_t k = 0; k < count; ++k) {
      Child& child = children[k];
      std::string name = DrawName(flavor, depth + 1);
      for (int retry = 0; retry < 3 && taken.contains(FoldedCase(name)); ++retry) {
        name = DrawName(flavor, depth + 1);
      }
      child.name = UniqueName(std::move(name), taken);
      child.flavor = FlavorOfName(child.name, flavor);
      child.path_length = path_length + 1 + AnsiLength(child.name);
      child.may_have_children =
          child.flavor != Flavor::kLeaf && depth + 1 < shape_.max_depth && child.path_length <= kDeepestParentPath;
      if (child.may_have_children) {
        // Skewed shares: a few children hold most of the subtree.
        const double u = random_.Unit();
        weights[k] = u * u + 1e-6;
        weight_total += weights[k];
      }
    }
    const std::uint64_t rest = budget - count;
    if (weight_total > 0) {
      std::uint64_t given = 0;
      std::uint64_t heaviest = 0;
      for (std::uint64_t k = 0; k < count; ++k) {
        children[k].share = static_cast<std::uint64_t>(static_cast<double>(rest) * weights[k] / weight_total);
        given += children[k].share;
        if (weights[k] > weights[heaviest]) heaviest = k;
      }
      children[heaviest].share += rest - std::min(rest, given);
    }

    stats_.widest_directory = std::max(stats_.widest_directory, count);
    std::uint64_t made = count;
    std::uint64_t carried = 0;
    for (Child& child : children) {
      sink_.Directory(depth + 1, child.name);
      ++stats_.directories;
      ++stats_.directories_at_depth[static_cast<std::size_t>(depth + 1)];
      if (AnsiLength(child.name) != child.name.size()) ++stats_.japanese_names;

      std::unordered_set<std::string> child_taken;
      const std::uint64_t files = DrawFileCount(child.flavor);
      for (std::uint64_t f = 0; f < files; ++f) {
        const std::string file = UniqueName(random_.Pick(kFiles), child_taken);
        sink_.File(depth + 2, file);
        ++stats_.files;
      }
      const std::uint64_t offered = child.share + carried;
      const std::uint64_t used =
          child.may_have_children ? Fill(depth + 1, child.flavor, child.path_length, offered, child_taken) : 0;
      made += used;
      carried = offered - used;
    }
    return made;
  }

  std::uint64_t DrawFileCount(Flavor flavor) {
    if (flavor == Flavor::kLeaf) return random_.Chance(0.3) ? random_.Between(1, 3) : 0;
    const double r = random_.Unit();
    if (r < 0.55) return 0;
    if (r < 0.95) return random_.Between(1, 3);
    return random_.Between(4, 12);
  }

  const TreeShape& shape_;
  TreeSink& sink_;
  Random random_;
  TreeStats stats_;
};

}  // namespace

TreeStats GenerateTree(const TreeShape& shape, TreeSink& sink) {
  return Generator(shape, sink).Run();
}

}  // namespace vyr::bench
