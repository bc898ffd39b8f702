-- In the zip the two Markdown pages are HTML files with Japanese names: their links follow.
local pages = { ["guide-ja.md"] = "使い方.html", ["cli-ja.md"] = "コマンドライン.html" }

function Link(link)
  local page, anchor = link.target:match("^([%w%-]+%.md)(.*)$")
  if page and pages[page] then
    link.target = pages[page] .. anchor
  end
  return link
end
