import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

TestCase {
    id: testCase
    name: "Credits"
    width: 390
    height: 844
    visible: true
    when: windowShown

    Component {
        id: infoComponent
        InfoPage {}
    }

    function links(page) {
        const found = []
        const column = findChild(page, "creditsColumn")
        const visit = item => {
            for (let i = 0; i < item.children.length; ++i) {
                const child = item.children[i]
                if (child.objectName === "creditLink")
                    found.push(child.modelData.label)
                visit(child)
            }
        }
        visit(column)
        return found
    }

    function test_headingsAndLinks() {
        const page = createTemporaryObject(infoComponent, testCase, {width: 390, height: 800})
        compare(page.screenTitle, "Credits and Attribution")
        const sections = page.model.sections
        compare(sections[0].heading, "Concept, Design and Programming")
        compare(sections[1].heading, "Addition Icons and Imagery")
        compare(sections[1].links.length, 2)
        const all = links(page)
        verify(all.indexOf(page.model.makerAddress) >= 0)
        verify(all.indexOf(page.model.iconSourceAddress) >= 0)
        verify(all.indexOf(page.model.imagerySourceAddress) >= 0)
    }

    function test_unparsableAddressIsLeftOut_data() {
        return [
            {tag: "space in the host", address: "https://exa mple.com"},
            {tag: "unclosed bracket", address: "http://[::1"},
            {tag: "no scheme", address: "fonts.google.com/icons"},
            {tag: "empty", address: ""},
        ]
    }

    function test_unparsableAddressIsLeftOut(data) {
        const page = createTemporaryObject(infoComponent, testCase, {width: 390, height: 800})
        const before = links(page).length
        page.model.iconSourceAddress = data.address
        const after = links(page)
        compare(after.length, before - 1)
        verify(after.indexOf(page.model.imagerySourceAddress) >= 0)
        verify(after.indexOf(page.model.makerAddress) >= 0)
        compare(page.model.sections[1].links.length, 1)
    }
}
