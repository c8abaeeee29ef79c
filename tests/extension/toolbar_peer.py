#!/usr/bin/python3
"""The Quillon toolbar in a real LibreOffice, in a fresh user profile.

QuillonSetup (played) installs the tools and registers the extension; unopkg then
lists it, and the profile's configuration then names the pipe quillon4ppt. The test's
profile names a pipe of its own instead; a headless Impress, started without --accept,
listens on it. With that pipe configured a button runs the tool live: the shapes
appear on the open presentation (a .pptx or a new unsaved one), which is neither
stored nor reloaded. With a pipe nobody listens on, a button falls back to the round
trip: a new, unsaved presentation runs nothing, and on a two-slide .pptx open on slide 2
the graph button stores it, runs the tool and reloads it back on slide 2 with the
inserted shapes. The tool plays a script through the environment.

Usage: toolbar_peer.py PROGRAM_DIR
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PPTX_FILTER = "Impress MS PowerPoint 2007 XML"
IDENTIFIER = "org.quillon.quillon4ppt"
NOBODY = 65534
TOOLBAR = "private:resource/toolbar/addon_org.quillon.quillon4ppt.toolbar"
ADDONS = "/org.openoffice.Office.Addons/AddonUI"
BAR_NODE = "org.quillon.quillon4ppt.toolbar"
BUTTONS = [("functiongraph", "函数作图"), ("gs", "公式"), ("tk", "图库"), ("shapeselecter", "对象选择器"), ("dot", "点标注符")]


def as_user_if_root():
    """LibreOffice registers extensions for a user, never for root."""
    if os.geteuid() != 0:
        return
    os.execvp("setpriv", ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
                          sys.executable] + sys.argv)


def check(condition, what):
    if not condition:
        print("FAILED:", what)
        sys.exit(1)
    print("ok:", what)


def run(command, env, **kw):
    return subprocess.run(command, env=env, capture_output=True, text=True, timeout=300, **kw)


def install(program_dir, work, env):
    with open(os.path.join(work, "install.txt"), "w") as f:
        f.write("click Command1(0)\nprint Label1\nclick Command1(2)\n")
    played = run([os.path.join(program_dir, "QuillonSetup")], dict(env, QUILLON_PLAY="install.txt"), cwd=work)
    check(played.returncode == 0 and played.stdout.startswith("Label1 = PPT版文件拷贝完毕。"),
          "QuillonSetup installs and registers the toolbar: " + played.stdout + played.stderr)
    installed = os.path.join(work, "data", "quillon4ppt", "quillon4ppt")
    check(os.access(installed, os.X_OK), "the tool lies in the install folder")


def connection_url(pipe):
    return f"pipe,name={pipe};urp;StarOffice.ComponentContext"


SHIPPED_CONNECTION = "pipe,name=quillon4ppt;urp;StarOffice.ComponentContext"
# Reads the connection URL as a LibreOffice of the profile in UserInstallation sees it,
# extension layers included, without starting an office.
READ_CONNECTION = """
import uno
ctx = uno.getComponentContext()
node = ctx.ServiceManager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", ctx)
path = uno.createUnoStruct("com.sun.star.beans.NamedValue", "nodepath", "/org.openoffice.Setup/Office")
node = node.createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess", (path,))
print(node.getByName("ooSetupConnectionURL"))
"""


def configured_connection(profile, env):
    return run([sys.executable, "-c", READ_CONNECTION], dict(env, UserInstallation=profile)).stdout.strip()


def settings_file(profile_dir):
    return os.path.join(profile_dir, "user", "registrymodifications.xcu")


def prepare_profile(profile_dir):
    """A profile marked as already run by this LibreOffice: no graphics self-test at start."""
    version = re.search(r"\b(\d+\.\d+)\.\d", run(["soffice", "--version"], os.environ).stdout).group(1)
    os.makedirs(os.path.dirname(settings_file(profile_dir)))
    with open(settings_file(profile_dir), "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<oor:items xmlns:oor="http://openoffice.org/2001/registry" '
                'xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">\n'
                '<item oor:path="/org.openoffice.Setup/Product"><prop oor:name="ooSetupLastVersion" oor:op="fuse">'
                f'<value>{version}</value></prop></item>\n</oor:items>\n')


def listen_on_own_pipe(profile_dir, pipe):
    """The profile's own connection URL: the extension's pipe name is every office's, and
    tests run side by side."""
    with open(settings_file(profile_dir)) as f:
        settings = f.read()
    item = ('<item oor:path="/org.openoffice.Setup/Office"><prop oor:name="ooSetupConnectionURL" oor:op="fuse">'
            f'<value>{connection_url(pipe)}</value></prop></item>\n')
    with open(settings_file(profile_dir), "w") as f:
        f.write(settings.replace("</oor:items>", item + "</oor:items>"))


def start_office(profile, env):
    return subprocess.Popen(["soffice", "-env:UserInstallation=" + profile, "--headless", "--invisible",
                             "--norestore", "--nologo"],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)


def connect(pipe):
    import uno
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(480):
        try:
            return resolver.resolve("uno:" + connection_url(pipe))
        except Exception:
            time.sleep(0.5)
    check(False, "Impress listens on the pipe its profile configures")


def configure_connection(ctx, url):
    """The connection URL the buttons read; Impress keeps listening where it started."""
    provider = ctx.ServiceManager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", ctx)
    office = provider.createInstanceWithArguments("com.sun.star.configuration.ConfigurationUpdateAccess",
                                                  (prop("nodepath", "/org.openoffice.Setup/Office"),))
    office.replaceByName("ooSetupConnectionURL", url)
    office.commitChanges()


def prop(name, value):
    import uno
    p = uno.createUnoStruct("com.sun.star.beans.PropertyValue")
    p.Name, p.Value = name, value
    return p


def make_deck(desktop, url):
    doc = desktop.loadComponentFromURL("private:factory/simpress", "_blank", 0, ())
    doc.getDrawPages().insertNewByIndex(0)
    doc.storeAsURL(url, (prop("FilterName", PPTX_FILTER),))
    doc.close(True)


def press_button(ctx, frame, verb):
    import uno
    url = uno.createUnoStruct("com.sun.star.util.URL")
    url.Complete = "org.quillon.quillon4ppt:" + verb
    transformer = ctx.ServiceManager.createInstanceWithContext("com.sun.star.util.URLTransformer", ctx)
    _, url = transformer.parseStrict(url)
    dispatch = frame.queryDispatch(url, "_self", 0)
    check(dispatch is not None, "the button's command has a handler")
    dispatch.dispatch(url, ())


def toolbar_in_impress(ctx, desktop):
    doc = desktop.loadComponentFromURL("private:factory/simpress", "_blank", 0, ())
    frame = doc.getCurrentController().getFrame()
    check(frame.LayoutManager.getElement(TOOLBAR) is not None, "Impress shows the toolbar")
    states = ctx.ServiceManager.createInstanceWithContext("com.sun.star.ui.WindowStateConfiguration", ctx)
    state = states.getByName("com.sun.star.presentation.PresentationDocument").getByName(TOOLBAR)
    check({p.Name: p.Value for p in state}.get("UIName") == "Quillon", "the toolbar is called Quillon")
    provider = ctx.ServiceManager.createInstanceWithContext("com.sun.star.configuration.ConfigurationProvider", ctx)
    access = "com.sun.star.configuration.ConfigurationAccess"
    bar = provider.createInstanceWithArguments(access, (prop("nodepath", ADDONS + "/OfficeToolBar/" + BAR_NODE),))
    # The toolbar shows its buttons in the order the configuration lists them.
    buttons = [bar.getByName(n) for n in bar.getElementNames()]
    check([(b.URL.split(":")[1], b.Title) for b in buttons] == BUTTONS,
          "five buttons with their tooltips, in order: " + ", ".join(b.Title for b in buttons))
    images = provider.createInstanceWithArguments(access, (prop("nodepath", ADDONS + "/Images"),))
    icons = {images.getByName(n).URL: images.getByName(n).UserDefinedImages.ImageSmallURL
             for n in images.getElementNames()}
    check(all(icons.get(b.URL, "").endswith("_16.png") for b in buttons), "every button has an icon")
    # With no pipe configured an unsaved presentation is no .pptx: the button asks for one and runs nothing.
    press_button(ctx, frame, "dot")
    check(frame.getController().getModel() == doc and not doc.hasLocation(), "an unsaved presentation stays as it is")
    doc.close(True)


def tools_of(office):
    """The tool processes the office started, ended but unreaped ones included."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/stat") as f:
                stat = f.read()
            with open(f"/proc/{stat.rsplit(') ', 1)[1].split()[1]}/stat") as f:
                parent_session = f.read().rsplit(") ", 1)[1].split()[3]
        except (OSError, IndexError):
            continue
        if stat[stat.index("(") + 1:stat.rindex(")")] == "quillon4ppt" and parent_session == str(office.pid):
            found.append(pid)
    return found


def live_run(ctx, frame, office, verb, done):
    """Presses the button and waits until the tool has drawn and ended, and was reaped.
    Empty when it did; else what is missing."""
    press_button(ctx, frame, verb)
    for _ in range(240):
        drawn, running = done(), tools_of(office)
        if drawn and not running:
            return ""
        time.sleep(0.5)
    return (" (nothing drawn)" if not drawn else "") + (f" (tool processes left: {running})" if running else "")


def file_state(path):
    with open(path, "rb") as f:
        return f.read(), os.stat(path).st_mtime_ns


def live_on_deck(ctx, desktop, office, deck):
    import uno
    doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(deck), "_blank", 0, ())
    frame = doc.getCurrentController().getFrame()
    doc.getCurrentController().setCurrentPage(doc.getDrawPages().getByIndex(1))
    pages = doc.getDrawPages()
    before = [pages.getByIndex(i).getCount() for i in range(2)]
    stored = file_state(deck)
    missing = live_run(ctx, frame, office, "functiongraph", lambda: pages.getByIndex(1).getCount() == before[1] + 1)
    check(not missing, "live: the tool draws one more shape on slide 2 of the open presentation and ends" + missing)
    check(frame.getController().getModel() == doc, "live: the presentation was not reloaded")
    check(file_state(deck) == stored, "live: the .pptx file was not stored (same bytes, same time)")
    check(pages.getByIndex(0).getCount() == before[0], "live: slide 1 is untouched")
    check(any(pages.getByIndex(1).getByIndex(i).getName().startswith("组合") for i in range(before[1] + 1)),
          "live: slide 2 holds the inserted group")
    doc.close(True)


def live_on_new(ctx, desktop, office):
    doc = desktop.loadComponentFromURL("private:factory/simpress", "_blank", 0, ())
    frame = doc.getCurrentController().getFrame()
    slide = doc.getDrawPages().getByIndex(0)
    before = slide.getCount()
    missing = live_run(ctx, frame, office, "functiongraph", lambda: slide.getCount() == before + 1)
    check(not missing, "live: a new, unsaved presentation receives the shapes" + missing)
    check(frame.getController().getModel() == doc and not doc.hasLocation(),
          "live: the new presentation stays unsaved and open")
    doc.close(True)


def model_of(frame):
    """The presentation the window shows; None while it is being reloaded."""
    try:
        return frame.getController().getModel()
    except Exception:
        return None


def round_trip_on_deck(ctx, desktop, deck):
    import uno
    doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(deck), "_blank", 0, ())
    frame = doc.getCurrentController().getFrame()
    doc.getCurrentController().setCurrentPage(doc.getDrawPages().getByIndex(1))
    before = [doc.getDrawPages().getByIndex(i).getCount() for i in range(2)]
    press_button(ctx, frame, "functiongraph")
    check(frame.getController().getModel() == doc, "the button returns while the tool still runs")
    deadline = time.time() + 120
    while model_of(frame) in (doc, None) and time.time() < deadline:
        time.sleep(0.5)
    controller = frame.getController()
    reloaded = controller.getModel()
    pages = reloaded.getDrawPages()
    check(reloaded != doc, "the presentation was reloaded when the tool ended")
    check(controller.getCurrentPage().Number == 2, "the reloaded presentation is back on slide 2")
    check(pages.getByIndex(0).getCount() == before[0], "slide 1 is untouched")
    check(pages.getByIndex(1).getCount() == before[1] + 1, "slide 2 holds one more shape")
    shapes = pages.getByIndex(1)
    names = [shapes.getByIndex(i).getName() for i in range(shapes.getCount())]
    check(any(n.startswith("组合") for n in names), "slide 2 holds the inserted group: " + repr(names))
    reloaded.close(True)


def buttons_in_office(work, profile, pipe, env):
    import uno
    office = start_office(profile, env)
    try:
        ctx = connect(pipe)
        desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
        deck = os.path.join(work, "deck with blanks.pptx")
        make_deck(desktop, uno.systemPathToFileUrl(deck))
        live_on_deck(ctx, desktop, office, deck)
        live_on_new(ctx, desktop, office)
        configure_connection(ctx, "")
        toolbar_in_impress(ctx, desktop)
        configure_connection(ctx, connection_url(pipe + "_nobody_listens"))
        round_trip_on_deck(ctx, desktop, deck)
        desktop.terminate()
        office.wait(timeout=120)
    finally:
        if office.poll() is None:
            os.killpg(office.pid, signal.SIGKILL)


def main():
    as_user_if_root()
    program_dir = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="quillon-toolbar-peer-")
    env = {k: v for k, v in os.environ.items() if not k.startswith("QUILLON_")}
    env.update(HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_DATA_HOME=os.path.join(work, "data"))
    profile_dir = os.path.join(work, "config", "libreoffice", "4")
    profile = "file://" + profile_dir
    pipe = f"quillon_toolbar_peer_{os.getpid()}"
    try:
        prepare_profile(profile_dir)
        check(configured_connection(profile, env) == "", "a profile without the extension configures no connection")
        install(program_dir, work, env)
        listed = run(["unopkg", "list", "-env:UserInstallation=" + profile], env)
        check(IDENTIFIER in listed.stdout, "unopkg lists the extension in the fresh profile")
        shipped = configured_connection(profile, env)
        check(shipped == SHIPPED_CONNECTION, "with the extension the connection URL names quillon4ppt: " + shipped)
        listen_on_own_pipe(profile_dir, pipe)
        check(configured_connection(profile, env) == connection_url(pipe), "the profile's own connection URL wins")
        with open(os.path.join(work, "play.txt"), "w") as f:
            f.write("click cmdOK\n")
        buttons_in_office(work, profile, pipe, dict(env, QUILLON_PLAY=os.path.join(work, "play.txt")))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
