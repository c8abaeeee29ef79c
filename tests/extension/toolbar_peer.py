#!/usr/bin/python3
"""The Quillon toolbar in a real LibreOffice, in a fresh user profile.

QuillonSetup (played) installs the tools and registers the extension; unopkg then
lists it. A headless Impress shows the toolbar with its five buttons; on a new,
unsaved presentation a button runs nothing. It then opens a two-slide .pptx on slide 2 and runs the
graph button, whose tool plays a script through the environment; the reloaded
presentation shows the inserted shapes on slide 2 and is back on slide 2.

Usage: toolbar_peer.py PROGRAM_DIR
"""
import os
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
    check(played.returncode == 0 and played.stdout == "Label1 = PPT版文件拷贝完毕\n",
          "QuillonSetup installs and registers the toolbar: " + played.stdout + played.stderr)
    installed = os.path.join(work, "data", "quillon4ppt", "quillon4ppt")
    check(os.access(installed, os.X_OK), "the tool lies in the install folder")


def start_office(profile, pipe, env):
    return subprocess.Popen(["soffice", "-env:UserInstallation=" + profile, "--headless", "--invisible",
                             "--norestore", "--nologo", f"--accept=pipe,name={pipe};urp;"],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)


def connect(pipe):
    import uno
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(480):
        try:
            return resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
        except Exception:
            time.sleep(0.5)
    raise RuntimeError("LibreOffice did not answer")


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
    buttons = [bar.getByName(n) for n in sorted(bar.getElementNames())]
    check([(b.URL.split(":")[1], b.Title) for b in buttons] == BUTTONS, "five buttons with their tooltips")
    images = provider.createInstanceWithArguments(access, (prop("nodepath", ADDONS + "/Images"),))
    icons = {images.getByName(n).URL: images.getByName(n).UserDefinedImages.ImageSmallURL
             for n in images.getElementNames()}
    check(all(icons.get(b.URL, "").endswith("_16.png") for b in buttons), "every button has an icon")
    # An unsaved presentation is no .pptx: the button asks for one and runs nothing.
    press_button(ctx, frame, "dot")
    check(frame.getController().getModel() == doc and not doc.hasLocation(), "an unsaved presentation stays as it is")
    doc.close(True)


def button_on_deck(work, profile, env):
    import uno
    pipe = f"quillon_toolbar_peer_{os.getpid()}"
    office = start_office(profile, pipe, env)
    try:
        ctx = connect(pipe)
        desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
        toolbar_in_impress(ctx, desktop)
        deck = uno.systemPathToFileUrl(os.path.join(work, "deck with blanks.pptx"))
        make_deck(desktop, deck)
        doc = desktop.loadComponentFromURL(deck, "_blank", 0, ())
        frame = doc.getCurrentController().getFrame()
        doc.getCurrentController().setCurrentPage(doc.getDrawPages().getByIndex(1))
        before = [doc.getDrawPages().getByIndex(i).getCount() for i in range(2)]
        press_button(ctx, frame, "functiongraph")
        controller = frame.getController()
        reloaded = controller.getModel()
        pages = reloaded.getDrawPages()
        check(reloaded != doc, "the presentation was reloaded")
        check(controller.getCurrentPage().Number == 2, "the reloaded presentation is back on slide 2")
        check(pages.getByIndex(0).getCount() == before[0], "slide 1 is untouched")
        check(pages.getByIndex(1).getCount() == before[1] + 1, "slide 2 holds one more shape")
        shapes = pages.getByIndex(1)
        names = [shapes.getByIndex(i).getName() for i in range(shapes.getCount())]
        check(any(n.startswith("组合") for n in names), "slide 2 holds the inserted group: " + repr(names))
        reloaded.close(True)
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
    profile = "file://" + os.path.join(work, "config", "libreoffice", "4")
    try:
        install(program_dir, work, env)
        listed = run(["unopkg", "list", "-env:UserInstallation=" + profile], env)
        check(IDENTIFIER in listed.stdout, "unopkg lists the extension in the fresh profile")
        with open(os.path.join(work, "play.txt"), "w") as f:
            f.write("click cmdOK\n")
        button_on_deck(work, profile, dict(env, QUILLON_PLAY=os.path.join(work, "play.txt")))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
